#include "formula_benchmarks.h"

#include <benchmark/benchmark.h>

#include <tuple>
#include <type_traits>

#include "formulas/cloud_base.h"
#include "formulas/heat_index.h"
#include "formulas/lightning.h"
#include "formulas/psychrometrics.h"
#include "formulas/units.h"
#include "formulas/wind_chill.h"
#include "wind_direction.h"

namespace nimbaro {
namespace {

// Registers `formula` called with `arguments`, which the optimiser is kept from seeing, so
// that every iteration computes the formula afresh.
template <typename Result, typename... Parameters>
void addFormula(const char* name, Result (*formula)(Parameters...),
                std::type_identity_t<Parameters>... arguments) {
    benchmark::RegisterBenchmark(name, [=](benchmark::State& state) {
        for (auto _ : state) {
            std::tuple<Parameters...> inputs{arguments...};
            benchmark::DoNotOptimize(inputs);
            benchmark::DoNotOptimize(std::apply(formula, inputs));
        }
        state.SetItemsProcessed(state.iterations());
    });
}

}  // namespace

void registerFormulaBenchmarks() {
    addFormula("saturationVapourPressure", saturationVapourPressure, 20.0);
    addFormula("relativeHumidity", relativeHumidity, 20.0, 10.0);
    addFormula("dewPointFromHumidity", dewPointFromHumidity, 20.0, 50.0);
    addFormula("dewPointFromWetBulb", dewPointFromWetBulb, 20.0, 15.0, 1013.25,
               WetBulbCorrection::DepressionFirst);
    addFormula("wetBulbFromHumidity", wetBulbFromHumidity, 20.0, 50.0, 1013.25);
    addFormula("wetBulbFromDewPoint", wetBulbFromDewPoint, 20.0, 10.0, 1013.25);
    addFormula("toCelsius", toCelsius, 68.0, TemperatureUnit::Fahrenheit);
    addFormula("toHectopascals", toHectopascals, 29.92, PressureUnit::InchesOfMercury);
    addFormula("inEveryTemperatureUnit", inEveryTemperatureUnit, 20.0, TemperatureUnit::Celsius);
    addFormula("heatIndexAirTemperature", heatIndexAirTemperature, 30.0, TemperatureUnit::Celsius);
    addFormula("heatIndex", heatIndex, 86.0, 50.0);
    addFormula("throughTypedUnit", throughTypedUnit, 10.0, TemperatureUnit::Fahrenheit);
    addFormula("cloudBaseHeight", cloudBaseHeight, 20.0, 10.0);
    addFormula("newWindChill", newWindChill, 0.0, TemperatureUnit::Celsius, 20.0,
               WindSpeedUnit::KilometresPerHour);
    addFormula("oldWindChill", oldWindChill, 0.0, TemperatureUnit::Celsius, 20.0,
               WindSpeedUnit::KilometresPerHour);
    addFormula("speedOfSound", speedOfSound, 20.0);
    addFormula("lightningDistances", lightningDistances, 3.0, 343.0);
    addFormula("compassPointFor", compassPointFor, 200.0);
}

}  // namespace nimbaro
