#include <gtest/gtest.h>

#include <array>

#include "formulas/units.h"

namespace nimbaro {
namespace {

struct TemperatureCase {
    double typed;
    TemperatureUnit unit;
    double celsius;
};

class TemperatureInputs : public testing::TestWithParam<TemperatureCase> {};

TEST_P(TemperatureInputs, BecomeCelsiusInTheGivenOrder) {
    EXPECT_EQ(toCelsius(GetParam().typed, GetParam().unit), GetParam().celsius);
}

// Exact values of (x − 32) × 5 / 9 and x − 273.15 in double precision.
INSTANTIATE_TEST_SUITE_P(
    Units, TemperatureInputs,
    testing::Values(TemperatureCase{20, TemperatureUnit::Celsius, 20},
                    TemperatureCase{-237.7, TemperatureUnit::Celsius, -237.7},
                    TemperatureCase{68, TemperatureUnit::Fahrenheit, 20},
                    TemperatureCase{0, TemperatureUnit::Fahrenheit, -17.77777777777778},
                    TemperatureCase{293.15, TemperatureUnit::Kelvin, 20},
                    TemperatureCase{68, TemperatureUnit::Kelvin, -205.14999999999998},
                    TemperatureCase{293.15, TemperatureUnit::Fahrenheit, 145.08333333333334}));

struct PressureCase {
    double typed;
    PressureUnit unit;
    double hectopascals;
};

class PressureInputs : public testing::TestWithParam<PressureCase> {};

TEST_P(PressureInputs, BecomeHectopascalsInTheGivenOrder) {
    EXPECT_EQ(toHectopascals(GetParam().typed, GetParam().unit), GetParam().hectopascals);
}

// x × 133.322 / 100 and x × 133.322 × 25.4 / 100: 760 mm of mercury is not quite 1013.25.
INSTANTIATE_TEST_SUITE_P(
    Units, PressureInputs,
    testing::Values(PressureCase{1013.25, PressureUnit::Hectopascals, 1013.25},
                    PressureCase{760, PressureUnit::MillimetresOfMercury, 1013.2472},
                    PressureCase{29.92, PressureUnit::InchesOfMercury, 1013.2045369600002},
                    PressureCase{1013.25, PressureUnit::InchesOfMercury, 34312.483191}));

TEST(TemperatureOutputs, ShowCelsiusInEveryUnit) {
    EXPECT_EQ(inEveryTemperatureUnit(20), (std::array<double, 3>{20, 68, 293.15}));
    EXPECT_EQ(inEveryTemperatureUnit(-40), (std::array<double, 3>{-40, -40, 233.14999999999998}));
    EXPECT_EQ(inEveryTemperatureUnit(9.253521),
              (std::array<double, 3>{9.253521, 48.6563378, 282.40352099999996}));
}

}  // namespace
}  // namespace nimbaro
