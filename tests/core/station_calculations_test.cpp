#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculations.h"
#include "formulas/moisture.h"
#include "method_choice.h"

namespace nimbaro {
namespace {

using enum Input;

struct Reading {
    Input input;
    double number;
};

// A published value, what it was published for, and how far the calculation may lie from it.
struct Published {
    const char* source;
    Method method;
    std::vector<Reading> readings;
    UnitChoice units;
    UnitRef output;
    double value;
    double tolerance;
};

void PrintTo(const Published& published, std::ostream* out) {
    *out << published.source;
}

class StationCalculations : public testing::TestWithParam<Published> {};

TEST_P(StationCalculations, MatchThePublishedValue) {
    const Published& published = GetParam();
    InputNumbers numbers;
    for (const Reading& reading : published.readings) {
        numbers.set(reading.input, reading.number);
    }
    const Outcome<Calculated> outcome = calculate(published.method, numbers, published.units);
    ASSERT_TRUE(std::holds_alternative<Calculated>(outcome));
    const Calculated& calculated = std::get<Calculated>(outcome);
    EXPECT_NEAR(calculated.values[outputPlace(methodInfo(published.method), published.output)],
                published.value, published.tolerance);
}

constexpr UnitChoice kMetric{};
constexpr UnitChoice kFahrenheit{.temperature = TemperatureUnit::Fahrenheit,
                                 .windSpeed = WindSpeedUnit::MilesPerHour};
constexpr UnitChoice kKelvin{.temperature = TemperatureUnit::Kelvin};

INSTANTIATE_TEST_SUITE_P(
    Published, StationCalculations,
    testing::Values(
        Published{"PsychroLib's GetSeaLevelPressure test: 1012.265 hPa, 105 m, 17.19 C",
                  Method::SeaLevelPressure,
                  {{AirPressure, 1012.265}, {Elevation, 105}, {AirTemperature, 17.19}},
                  kMetric,
                  PressureUnit::Hectopascals,
                  1024.84,
                  0.01},
        Published{"MetPy's altimeter_to_station_pressure test inverted: 29.8 inHg at 500 m",
                  Method::AltimeterSetting,
                  {{AirPressure, 950.96498}, {Elevation, 500 / 0.3048}},
                  {.length = LengthUnit::Feet},
                  PressureUnit::InchesOfMercury,
                  29.8,
                  0.001},
        Published{"NWS pressure altitude: 1000 hPa",
                  Method::PressureAltitude,
                  {{AirPressure, 1000}},
                  kMetric,
                  LengthUnit::Feet,
                  363.6,
                  0.5},
        // The NWS formula's rounded constants put standard air 13 to 18 ft high.
        Published{"ICAO standard atmosphere: 696.82 hPa, -4.812 C at 10000 ft",
                  Method::DensityAltitudeOfDryAir,
                  {{AirTemperature, -4.812}, {AirPressure, 696.82}},
                  kMetric,
                  LengthUnit::Feet,
                  10000,
                  20},
        // A dew point far below the air's leaves the air all but dry.
        Published{"ICAO standard atmosphere: 1013.25 hPa, 15 C, dew point -60 C",
                  Method::DensityAltitudeFromDewPoint,
                  {{AirTemperature, 15}, {DewPoint, -60}, {AirPressure, 1013.25}},
                  kMetric,
                  LengthUnit::Feet,
                  0,
                  20},
        // ASHRAE Handbook Fundamentals 2017, ch. 1, table 3; the Magnus form lies 0.31 % low.
        Published{"ASHRAE: saturation over water at 25 C",
                  Method::VapourPressureFromDewPoint,
                  {{DewPoint, 25}},
                  kMetric,
                  PressureUnit::Hectopascals,
                  31.697,
                  0.1},
        Published{"ASHRAE: saturation over ice at -20 C (-4 F)",
                  Method::SaturationVapourPressureOverIce,
                  {{AirTemperature, -4}},
                  kFahrenheit,
                  PressureUnit::Hectopascals,
                  1.0324,
                  0.0003},
        Published{"ASHRAE: half the saturation over water at 25 C",
                  Method::VapourPressureFromHumidity,
                  {{AirTemperature, 25}, {Humidity, 50}},
                  kMetric,
                  PressureUnit::Hectopascals,
                  31.697 / 2,
                  0.05},
        // MetPy's tests give 0.012 kg/kg, to three decimals.
        Published{"MetPy's mixing_ratio_from_relative_humidity test: 20 C, 81.409 %, 1013.25 hPa",
                  Method::MixingRatioFromHumidity,
                  {{AirTemperature, 20}, {Humidity, 81.4086}, {AirPressure, 1013.25}},
                  kMetric,
                  MassRatioUnit::GramsPerKilogram,
                  12,
                  0.5},
        Published{"MetPy's specific_humidity_from_dewpoint test: 16.973 C, 1013.25 hPa",
                  Method::SpecificHumidityFromDewPoint,
                  {{DewPoint, 16.973}, {AirPressure, 1013.25}},
                  kMetric,
                  MassRatioUnit::GramsPerKilogram,
                  12,
                  0.5},
        // The vapour density of ASHRAE's 31.697 hPa at 298.15 K, within the Magnus form's 0.31 %.
        Published{"ASHRAE: saturated vapour density at 25 C",
                  Method::AbsoluteHumidityFromDewPoint,
                  {{AirTemperature, 25}, {DewPoint, 25}},
                  kMetric,
                  DensityUnit::GramsPerCubicMetre,
                  3169.7 / (461.51 * 298.15) * 1000,
                  0.08},
        Published{
            "ASHRAE: frost point of ice saturation at -20 C",
            Method::FrostPointFromHumidity,
            {{AirTemperature, -20}, {Humidity, 100 * 1.0324 / wmoSaturationVapourPressure(-20)}},
            kMetric,
            TemperatureUnit::Celsius,
            -20,
            0.05},
        Published{"Issue 28 and Environment Canada: 30 C, dew point 15 C",
                  Method::Humidex,
                  {{AirTemperature, 30}, {DewPoint, 15}},
                  kMetric,
                  TemperatureUnit::Celsius,
                  33.97,
                  0.05},
        Published{"ladybug-comfort's test of the BoM's formula: 32 C, 85 %, 10 m/s",
                  Method::ApparentTemperatureFromHumidity,
                  {{AirTemperature, 32}, {Humidity, 85}, {WindSpeed, 36}},
                  kMetric,
                  TemperatureUnit::Celsius,
                  34.290083,
                  1e-5},
        Published{"NWS heat index chart: 90 F, 50 %",
                  Method::FeelsLike,
                  {{AirTemperature, 90}, {Humidity, 50}, {WindSpeed, 5}},
                  kFahrenheit,
                  TemperatureUnit::Fahrenheit,
                  95,
                  0.5},
        Published{"NWS wind chill chart: 0 F, 15 mph",
                  Method::FeelsLike,
                  {{AirTemperature, 0}, {Humidity, 50}, {WindSpeed, 15}},
                  kFahrenheit,
                  TemperatureUnit::Fahrenheit,
                  -19,
                  0.5},
        Published{"Issue 28: 20 C at 850 hPa",
                  Method::PotentialTemperature,
                  {{AirTemperature, 20}, {AirPressure, 850}},
                  kMetric,
                  TemperatureUnit::Kelvin,
                  307.1,
                  0.1},
        Published{"MetPy's potential_temperature test: 298 K at 100 hPa",
                  Method::PotentialTemperature,
                  {{AirTemperature, 298}, {AirPressure, 100}},
                  kKelvin,
                  TemperatureUnit::Kelvin,
                  575.348,
                  0.001},
        Published{"MetPy's equivalent_potential_temperature test: 293 K, 280 K, 1000 hPa",
                  Method::EquivalentPotentialTemperature,
                  {{AirTemperature, 293}, {DewPoint, 280}, {AirPressure, 1000}},
                  kKelvin,
                  TemperatureUnit::Kelvin,
                  311.18586,
                  0.001},
        Published{"ASHRAE: dry air at 25 C, 0.8443 m3/kg",
                  Method::AirDensityOfDryAir,
                  {{AirTemperature, 25}, {AirPressure, 1013.25}},
                  kMetric,
                  DensityUnit::KilogramsPerCubicMetre,
                  1 / 0.8443,
                  0.0012},
        Published{"WMO Beaufort scale: 25 kn is a strong breeze, force 6",
                  Method::Beaufort,
                  {{WindSpeed, 25}},
                  {.windSpeed = WindSpeedUnit::Knots},
                  BeaufortUnit::Force,
                  6,
                  0}));

// What a result says beside its digits: the category where its formula supports one, the note
// where it leaves its range or, for feels-like, which index it took.
TEST(StationCalculations, NotesAndCategories) {
    struct Case {
        Method method;
        std::vector<Reading> readings;
        UnitChoice units;
        std::optional<RangeNote> note;
        std::optional<Risk> risk;
    };
    const Case cases[] = {
        {Method::Humidex,
         {{AirTemperature, 30}, {DewPoint, 15}},
         kMetric,
         {},
         Risk::SomeDiscomfort},
        {Method::Humidex,
         {{AirTemperature, 35}, {DewPoint, 26}},
         kMetric,
         {},
         Risk::DangerousHumidex},
        {Method::Humidex,
         {{AirTemperature, 19.9}, {DewPoint, 19}},
         kMetric,
         RangeNote::HumidexBelow20C,
         {}},
        {Method::FeelsLike,
         {{AirTemperature, 90}, {Humidity, 50}, {WindSpeed, 5}},
         kFahrenheit,
         RangeNote::FeelsLikeHeatIndex,
         {}},
        {Method::FeelsLike,
         {{AirTemperature, 50}, {Humidity, 50}, {WindSpeed, 3}},
         kFahrenheit,
         RangeNote::FeelsLikeWindChill,
         {}},
        {Method::FeelsLike,
         {{AirTemperature, 60}, {Humidity, 50}, {WindSpeed, 20}},
         kFahrenheit,
         RangeNote::FeelsLikeAirTemperature,
         {}},
        {Method::FrostPointFromDewPoint,
         {{DewPoint, 5}},
         kMetric,
         RangeNote::FrostPointAbove0C,
         {}},
        {Method::Beaufort, {{WindSpeed, 0}}, kMetric, {}, Risk::Calm},
        {Method::Beaufort,
         {{WindSpeed, 64}},
         {.windSpeed = WindSpeedUnit::Knots},
         {},
         Risk::HurricaneForce},
    };
    for (const Case& c : cases) {
        InputNumbers numbers;
        for (const Reading& reading : c.readings) {
            numbers.set(reading.input, reading.number);
        }
        const auto calculated = std::get<Calculated>(calculate(c.method, numbers, c.units));
        EXPECT_EQ(calculated.note, c.note) << methodInfo(c.method).id;
        EXPECT_EQ(calculated.risk, c.risk) << methodInfo(c.method).id;
    }
    EXPECT_EQ(riskText(Risk::StrongBreeze), "Strong breeze");
}

// A pressure the calculation works from is never assumed; a mixing ratio's may be.
TEST(StationCalculations, AirPressureAssumedOnlyBesideOtherInputs) {
    GivenInputs given{};
    EXPECT_EQ(chooseMethod(calculationInfo(Calculation::PressureAltitude), given, {}).method,
              nullptr);
    given[static_cast<std::size_t>(AirTemperature)] = true;
    EXPECT_EQ(chooseMethod(calculationInfo(Calculation::PotentialTemperature), given, {}).method,
              nullptr);
    given[static_cast<std::size_t>(Humidity)] = true;
    const MethodChoice mixing = chooseMethod(calculationInfo(Calculation::MixingRatio), given, {});
    ASSERT_NE(mixing.method, nullptr);
    EXPECT_EQ(mixing.method->method, Method::MixingRatioFromHumidity);
    EXPECT_TRUE(mixing.airPressureAssumed);
}

TEST(StationCalculations, ImpossibleInputsFailTheirChecks) {
    const std::pair<Method, InputFault> cases[] = {
        {Method::PressureAltitude, {AirPressure, Rule::GreaterThanZero}},
        {Method::Beaufort, {WindSpeed, Rule::NotNegative}},
    };
    for (const auto& [method, fault] : cases) {
        InputNumbers numbers;
        numbers.set(fault.input, -1);
        EXPECT_EQ(std::get<InputFault>(calculate(method, numbers, kMetric)), fault);
    }
}

}  // namespace
}  // namespace nimbaro
