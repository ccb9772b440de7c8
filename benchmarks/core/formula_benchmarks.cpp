#include "formula_benchmarks.h"

#include <benchmark/benchmark.h>

#include <string>
#include <tuple>
#include <type_traits>

#include "calculations.h"
#include "formulas/air_thermodynamics.h"
#include "formulas/beaufort.h"
#include "formulas/cloud_base.h"
#include "formulas/comfort.h"
#include "formulas/heat_index.h"
#include "formulas/lightning.h"
#include "formulas/moisture.h"
#include "formulas/pressure_reduction.h"
#include "formulas/psychrometric_equation.h"
#include "formulas/psychrometrics.h"
#include "formulas/thermodynamic_wet_bulb.h"
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

// Every method computed from numbers, as an array module calls it for each element: checks,
// formula, fault guard, and with notes the notes, the reference and the risk. The inputs are
// those of a warm, humid summer reading.
void addMethod(const MethodInfo& method, Judging judging) {
    const std::string name = (judging == Judging::Notes ? "Calculate/" : "CalculateOutputsOnly/") +
                             std::string(method.id);
    benchmark::RegisterBenchmark(name.c_str(), [&method, judging](benchmark::State& state) {
        using enum Input;
        InputNumbers numbers = InputNumbers()
                                   .set(AirTemperature, 30)
                                   .set(Humidity, 60)
                                   .set(DewPoint, 21)
                                   .set(WetBulb, 24)
                                   .set(AirPressure, 1013.25)
                                   .set(WindSpeed, 20)
                                   .set(Time, 3);
        for (auto _ : state) {
            benchmark::DoNotOptimize(numbers);
            benchmark::DoNotOptimize(calculate(method.method, numbers, UnitChoice{}, judging));
        }
        state.SetItemsProcessed(state.iterations());
    });
}

}  // namespace

void registerFormulaBenchmarks() {
    for (const MethodInfo& method : methods()) {
        addMethod(method, Judging::Notes);
        // What a caller that wants no notes saves where a reference is worked out too.
        if (method.comparedWith) {
            addMethod(method, Judging::OutputsOnly);
        }
    }
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
    addFormula("nwsHeatIndex", nwsHeatIndex, 90.0, 95.0);
    addFormula("saturationVapourPressureOverWater", saturationVapourPressureOverWater, 20.0);
    addFormula("vapourPressureFromWetBulb", vapourPressureFromWetBulb, 35.0, 20.0, 1013.25);
    addFormula("humidityOfVapourPressure", humidityOfVapourPressure, 35.0, 11.2);
    addFormula("wetBulbFromVapourPressure", wetBulbFromVapourPressure, 35.0, 11.2, 1013.25);
    addFormula("dewPointFromVapourPressure", dewPointFromVapourPressure, 11.2);
    addFormula("thermodynamicVapourPressure", thermodynamicVapourPressure, 35.0, 18.87, 1013.25);
    addFormula("thermodynamicWetBulb", thermodynamicWetBulb, 35.0, 11.2, 1013.25);
    addFormula("belowAbsoluteZero", belowAbsoluteZero, -460.0, TemperatureUnit::Fahrenheit);
    addFormula("throughTypedUnit", throughTypedUnit, 10.0, TemperatureUnit::Fahrenheit);
    addFormula("cloudBaseHeight", cloudBaseHeight, 20.0, 10.0);
    addFormula("newWindChill", newWindChill, 0.0, TemperatureUnit::Celsius, 20.0,
               WindSpeedUnit::KilometresPerHour);
    addFormula("oldWindChill", oldWindChill, 0.0, TemperatureUnit::Celsius, 20.0,
               WindSpeedUnit::KilometresPerHour);
    addFormula("speedOfSound", speedOfSound, 20.0);
    addFormula("lightningDistances", lightningDistances, 3.0, 343.0);
    addFormula("compassPointFor", compassPointFor, 200.0);
    addFormula("seaLevelPressure", seaLevelPressure, 950.0, 500.0, 20.0);
    addFormula("altimeterSetting", altimeterSetting, 950.0, 500.0);
    addFormula("pressureAltitude", pressureAltitude, 1000.0);
    addFormula("densityAltitude", densityAltitude, 950.0, 30.0, 20.0);
    addFormula("dryDensityAltitude", dryDensityAltitude, 950.0, 30.0);
    addFormula("wmoSaturationVapourPressure", wmoSaturationVapourPressure, 20.0);
    addFormula("wmoSaturationVapourPressureOverIce", wmoSaturationVapourPressureOverIce, -10.0);
    addFormula("wmoVapourPressure", wmoVapourPressure, 30.0, 60.0);
    addFormula("wmoFrostPoint", wmoFrostPoint, 2.0);
    addFormula("mixingRatio", mixingRatio, 25.0, 1013.25);
    addFormula("specificHumidity", specificHumidity, 25.0, 1013.25);
    addFormula("absoluteHumidity", absoluteHumidity, 25.0, 30.0);
    addFormula("virtualTemperature", virtualTemperature, 30.0, 25.0, 1013.25);
    addFormula("potentialTemperature", potentialTemperature, 20.0, 850.0);
    addFormula("equivalentPotentialTemperature", equivalentPotentialTemperature, 30.0, 21.0,
               1013.25);
    addFormula("airDensity", airDensity, 30.0, 25.0, 1013.25);
    addFormula("humidex", humidex, 30.0, 21.0);
    addFormula("humidexComfort", humidexComfort, 38.0);
    addFormula("bomVapourPressure", bomVapourPressure, 30.0, 60.0);
    addFormula("apparentTemperature", apparentTemperature, 30.0, 25.0, 3.0);
    addFormula("indoorApparentTemperature", indoorApparentTemperature, 30.0, 25.0);
    addFormula("nwsFeelsLike", nwsFeelsLike, 90.0, 60.0, 5.0);
    addFormula("beaufortForce", beaufortForce, 12.9);
    addFormula("beaufortDescription", beaufortDescription, 6);
}

}  // namespace nimbaro
