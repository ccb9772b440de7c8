// The numeric entry points run on every element of large arrays: they must not allocate.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>

#include "calculations.h"
#include "quantities.h"

// Every allocation of this test program is counted; each form of new and delete is replaced,
// so that all of them take their memory from malloc and give it back to free.
namespace {

std::atomic<long> allocations{0};

void* counted(std::size_t size) noexcept {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}

void* countedOrThrow(std::size_t size) {
    if (void* memory = counted(size)) {
        return memory;
    }
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
    return countedOrThrow(size);
}
void* operator new[](std::size_t size) {
    return countedOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return counted(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return counted(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}

namespace nimbaro {
namespace {

TEST(NumericEntryPoints, AllocateNothing) {
    using enum Input;
    // A reading that takes every method near a risk boundary, where the shown digits are
    // worked out, and one far from any.
    const std::array<InputNumbers, 2> readings = {
        InputNumbers()
            .set(AirTemperature, 26.67)
            .set(Humidity, 40)
            .set(DewPoint, 12)
            .set(WetBulb, 18)
            .set(AirPressure, 1013.25)
            .set(WindSpeed, 20)
            .set(Time, 3),
        InputNumbers()
            .set(AirTemperature, -300)
            .set(Humidity, 100)
            .set(DewPoint, 1e300)
            .set(WetBulb, -5)
            .set(AirPressure, 0)
            .set(WindSpeed, 1e-300)
            .set(Time, 1e308),
    };
    std::array<double, 10> out{};
    const auto everything = [&] {
        for (const InputNumbers& numbers : readings) {
            for (const MethodInfo& method : methods()) {
                calculate(method.method, numbers, UnitChoice{});
                calculate(method.method, numbers,
                          UnitChoice{.temperature = TemperatureUnit::Fahrenheit,
                                     .pressure = PressureUnit::InchesOfMercury,
                                     .windSpeed = WindSpeedUnit::Knots});
            }
        }
        for (const Quantity* quantity : quantities()) {
            for (std::size_t unit = 0; unit < quantity->units.size(); ++unit) {
                convert(*quantity, unit, 1013.25, out);
                convert(*quantity, unit, 1e308, out);
            }
        }
    };
    // The first call builds the tables, once for the whole program.
    everything();
    const long before = allocations;
    everything();
    EXPECT_EQ(allocations - before, 0);
}

}  // namespace
}  // namespace nimbaro
