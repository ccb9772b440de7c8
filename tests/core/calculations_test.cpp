#include "calculations.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "number_text.h"
#include "test_locales.h"

namespace nimbaro {
namespace {

using enum Input;

struct Typed {
    Input input;
    const char* text;
};

// One engine call: the texts a person types, the units chosen, and what the window shows.
struct Call {
    Method method;
    std::vector<Typed> typed;
    UnitChoice units;
    std::vector<std::string> shown;
    std::optional<RangeNote> note = std::nullopt;
    std::optional<Risk> risk = std::nullopt;
};

void PrintTo(const Call& call, std::ostream* out) {
    *out << "method " << static_cast<int>(call.method);
}

Outcome<Calculated> run(const Call& call, const NumberLocale& locale) {
    Readings readings(locale);
    for (const Typed& typed : call.typed) {
        readings.set(typed.input, typed.text);
    }
    return calculate(call.method, readings, call.units);
}

class EngineCalls : public testing::TestWithParam<Call> {};

TEST_P(EngineCalls, GiveTheTextsTheWindowsShow) {
    const Call& call = GetParam();
    const NumberLocale locale = test::english();
    const auto outcome = run(call, locale);
    const auto* calculated = std::get_if<Calculated>(&outcome);
    ASSERT_NE(calculated, nullptr);
    std::vector<std::string> shown;
    for (const double value : calculated->values) {
        shown.push_back(resultText(value, 5, locale));
    }
    EXPECT_EQ(shown, call.shown);
    EXPECT_EQ(calculated->note, call.note);
    EXPECT_EQ(calculated->risk, call.risk);
}

constexpr UnitChoice kCelsius{};
constexpr UnitChoice kFahrenheit{.temperature = TemperatureUnit::Fahrenheit};
constexpr UnitChoice kMillimetresOfMercury{.pressure = PressureUnit::MillimetresOfMercury};

INSTANTIATE_TEST_SUITE_P(
    EveryMethod, EngineCalls,
    testing::Values(Call{Method::HumidityFromDewPoint,
                         {{AirTemperature, "293.15"}, {DewPoint, "283.15"}},
                         {.temperature = TemperatureUnit::Kelvin},
                         {"52.56703"}},
                    Call{Method::HumidityFromDewPoint,
                         {{AirTemperature, "20"}, {DewPoint, "25"}},
                         kCelsius,
                         {"135.41592"},
                         RangeNote::DewPointAboveAir},
                    Call{Method::HumidityFromWetBulb,
                         {{AirTemperature, "20"}, {WetBulb, "15"}, {AirPressure, "1013.25"}},
                         kCelsius,
                         {"55.52017"}},
                    Call{Method::DewPointFromHumidity,
                         {{AirTemperature, "20"}, {Humidity, "50"}},
                         kCelsius,
                         {"9.25352", "48.65634", "282.40352"}},
                    Call{Method::DewPointFromWetBulb,
                         {{AirTemperature, "20"}, {WetBulb, "15"}, {AirPressure, "1013.25"}},
                         kCelsius,
                         {"10.81965", "51.47537", "283.96965"}},
                    Call{Method::WetBulbFromHumidity,
                         {{AirTemperature, "20"}, {Humidity, "50"}, {AirPressure, "760"}},
                         kMillimetresOfMercury,
                         {"14.19979", "57.55963", "287.34979"}},
                    Call{Method::WetBulbFromDewPoint,
                         {{AirTemperature, "68"}, {DewPoint, "50"}, {AirPressure, "1013.25"}},
                         kFahrenheit,
                         {"14.49353", "58.08835", "287.64353"}},
                    Call{Method::HeatIndexFromHumidity,
                         {{AirTemperature, "86"}, {Humidity, "50"}},
                         kFahrenheit,
                         {"31.48691", "88.67645", "304.63691"},
                         std::nullopt,
                         Risk::Caution},
                    Call{Method::HeatIndexFromHumidity,
                         {{AirTemperature, "20"}, {Humidity, "50"}},
                         kCelsius,
                         {"24.31015", "75.75827", "297.46015"},
                         RangeNote::HeatIndexBelow80F},
                    Call{Method::HeatIndexFromDewPoint,
                         {{AirTemperature, "30"}, {DewPoint, "20"}},
                         kCelsius,
                         {"32.27788", "90.10019", "305.42788"},
                         std::nullopt,
                         Risk::ExtremeCaution},
                    Call{Method::HeatIndexFromWetBulb,
                         {{AirTemperature, "30"}, {WetBulb, "25"}, {AirPressure, "1013.25"}},
                         kCelsius,
                         {"33.98077", "93.16539", "307.13077"},
                         std::nullopt,
                         Risk::ExtremeCaution},
                    Call{Method::CloudHeightFromHumidity,
                         {{AirTemperature, "86"}, {Humidity, "50"}},
                         kFahrenheit,
                         {"1,447.29113", "4,748.33048"}},
                    Call{Method::CloudHeightFromDewPoint,
                         {{AirTemperature, "20"}, {DewPoint, "25"}},
                         kCelsius,
                         {"-625.00000", "-2,050.52493"},
                         RangeNote::NoCloudBase},
                    Call{Method::CloudHeightFromWetBulb,
                         {{AirTemperature, "30"}, {WetBulb, "25"}, {AirPressure, "760"}},
                         kMillimetresOfMercury,
                         {"916.84060", "3,008.00721"}},
                    Call{Method::NewWindChill,
                         {{AirTemperature, "10"}, {WindSpeed, "15"}},
                         {.temperature = TemperatureUnit::Fahrenheit,
                          .windSpeed = WindSpeedUnit::MilesPerHour},
                         {"-21.43863", "-6.58953", "251.71137"},
                         std::nullopt,
                         Risk::ModerateRisk},
                    Call{Method::NewWindChill,
                         {{AirTemperature, "40"}, {WindSpeed, "1"}},
                         kCelsius,
                         {"42.47083", "108.44750", "315.62083"},
                         RangeNote::WindChillOutsideBoth},
                    Call{Method::OldWindChill,
                         {{AirTemperature, "0"}, {WindSpeed, "20"}},
                         kCelsius,
                         {"-9.30066", "15.25881", "263.84934"}},
                    Call{Method::LightningDistance,
                         {{Time, "3"}},
                         kCelsius,
                         {"993.00000", "0.99300", "3,257.87402", "0.61702"}},
                    Call{Method::CorrectedLightningDistance,
                         {{Time, "3"}, {AirTemperature, "68"}},
                         kFahrenheit,
                         {"1,029.00000", "1.02900", "3,375.98425", "0.63939"}}));

struct Refusal {
    Method method;
    std::vector<Typed> typed;
    Outcome<Calculated> outcome;
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << "method " << static_cast<int>(refusal.method);
}

class Refusals : public testing::TestWithParam<Refusal> {};

// The first broken rule, in the order the window checks them, names its input.
TEST_P(Refusals, NameTheFirstBrokenRule) {
    const Refusal& refusal = GetParam();
    EXPECT_EQ(run({refusal.method, refusal.typed, kCelsius, {}}, test::english()), refusal.outcome);
}

INSTANTIATE_TEST_SUITE_P(
    InWindowOrder, Refusals,
    testing::Values(Refusal{Method::DewPointFromHumidity,
                            {{AirTemperature, "x"}, {Humidity, "150"}},
                            InputFault{AirTemperature, Rule::Number}},
                    Refusal{Method::DewPointFromHumidity,
                            {{AirTemperature, "20"}, {Humidity, "0"}},
                            InputFault{Humidity, Rule::HumidityRange}},
                    // Every number is read before the humidity's range is looked at.
                    Refusal{Method::WetBulbFromHumidity,
                            {{AirTemperature, "20"}, {Humidity, "150"}, {AirPressure, "x"}},
                            InputFault{AirPressure, Rule::Number}},
                    Refusal{Method::NewWindChill,
                            {{AirTemperature, "0"}, {WindSpeed, "0"}},
                            InputFault{WindSpeed, Rule::GreaterThanZero}},
                    // The time's range comes before the air temperature is read.
                    Refusal{Method::CorrectedLightningDistance,
                            {{Time, "0"}, {AirTemperature, "x"}},
                            InputFault{Time, Rule::GreaterThanZero}},
                    Refusal{Method::DewPointFromWetBulb,
                            {{AirTemperature, "40"}, {WetBulb, "0"}, {AirPressure, "1e6"}},
                            ComputationFault{}},
                    Refusal{Method::LightningDistance, {{Time, "1e308"}}, ComputationFault{}}));

struct Boundary {
    double value;
    std::optional<Risk> risk;
};

// A value is judged as it is shown, and one on a boundary belongs to the more severe category.
TEST(RiskCategories, HeatIndexOnBothSidesOfEachBoundary) {
    for (const Boundary& boundary : std::vector<Boundary>{
             {79.999994, std::nullopt},
             {79.999996, Risk::Caution},
             {89.99999, Risk::Caution},
             {90, Risk::ExtremeCaution},
             {102.99999, Risk::ExtremeCaution},
             {103, Risk::Danger},
             {124.99999, Risk::Danger},
             {125, Risk::ExtremeDanger},
         }) {
        EXPECT_EQ(heatIndexRisk(boundary.value), boundary.risk) << boundary.value;
    }
}

TEST(RiskCategories, WindChillOnBothSidesOfEachBoundary) {
    for (const Boundary& boundary : std::vector<Boundary>{
             {0.00001, std::nullopt},
             {-0.000004, Risk::LowRisk},
             {-9.99999, Risk::LowRisk},
             {-10, Risk::ModerateRisk},
             {-27.99999, Risk::ModerateRisk},
             {-28, Risk::HighRisk},
             {-39.99999, Risk::HighRisk},
             {-40, Risk::VeryHighRisk},
             {-47.99999, Risk::VeryHighRisk},
             {-48, Risk::SevereRisk},
             {-54.99999, Risk::SevereRisk},
             {-55, Risk::ExtremeRisk},
         }) {
        EXPECT_EQ(windChillRisk(boundary.value), boundary.risk) << boundary.value;
    }
}

// A block gives each element what calculate() gives it alone, also when one element faults and
// the block is computed again one element at a time.
TEST(Blocks, GiveEachElementItsOwnOutcome) {
    std::mt19937_64 random(22);
    std::uniform_real_distribution<double> reading(-60, 130);
    for (const MethodInfo& method : methods()) {
        for (const double extreme : {50.0, 1e300}) {
            std::vector<InputNumbers> numbers(40);
            for (InputNumbers& element : numbers) {
                for (std::size_t input = 0; input < kInputCount; ++input) {
                    element.set(static_cast<Input>(input), reading(random));
                }
            }
            for (std::size_t input = 0; input < kInputCount; ++input) {
                numbers[17].set(static_cast<Input>(input), extreme);
            }
            std::vector<Outcome<Calculated>> outcomes(numbers.size());
            calculate(method.method, numbers, UnitChoice{}, outcomes);
            for (std::size_t i = 0; i < numbers.size(); ++i) {
                EXPECT_EQ(outcomes[i], calculate(method.method, numbers[i], UnitChoice{}))
                    << method.id << " element " << i;
            }
        }
    }
}

// The outputs-only run gives every element the bits calculate() gives it alone: with readings
// that break a check (NaN, infinity, out of range) and one whose arithmetic faults, so that the
// run is computed again one element at a time.
TEST(OutputRuns, GiveEachElementTheOutputsOfItsOwnCalculation) {
    std::mt19937_64 random(29);
    std::uniform_real_distribution<double> reading(-60, 130);
    constexpr std::size_t kElements = 40;
    const UnitChoice fahrenheit{.temperature = TemperatureUnit::Fahrenheit};
    for (const MethodInfo& method : methods()) {
        for (const double extreme : {50.0, 1e300}) {
            std::array<std::vector<double>, kInputCount> inputs;
            ElementColumns columns;
            for (std::size_t input = 0; input < kInputCount; ++input) {
                for (std::size_t i = 0; i < kElements; ++i) {
                    inputs[input].push_back(reading(random));
                }
                inputs[input][3] = std::numeric_limits<double>::quiet_NaN();
                inputs[input][5] = -std::numeric_limits<double>::infinity();
                inputs[input][17] = extreme;
                columns.inputs[input] = inputs[input].data();
            }
            std::array<std::vector<double>, kMaxOutputs> outputs;
            for (std::size_t k = 0; k < method.outputs.size(); ++k) {
                outputs[k].resize(kElements);
                columns.outputs[k] = outputs[k].data();
            }
            std::array<bool, kElements> computed{};
            calculateOutputs(method.method, fahrenheit, kElements, columns, computed);
            for (std::size_t i = 0; i < kElements; ++i) {
                InputNumbers numbers;
                for (std::size_t input = 0; input < kInputCount; ++input) {
                    numbers.set(static_cast<Input>(input), inputs[input][i]);
                }
                const Outcome<Calculated> alone =
                    calculate(method.method, numbers, fahrenheit, Judging::OutputsOnly);
                const auto* calculated = std::get_if<Calculated>(&alone);
                ASSERT_EQ(computed[i], calculated != nullptr) << method.id << " element " << i;
                for (std::size_t k = 0; k < method.outputs.size(); ++k) {
                    const double expected = calculated != nullptr
                                                ? calculated->values[k]
                                                : std::numeric_limits<double>::quiet_NaN();
                    EXPECT_EQ(std::bit_cast<std::uint64_t>(outputs[k][i]),
                              std::bit_cast<std::uint64_t>(expected))
                        << method.id << " element " << i << " output " << k;
                }
            }
        }
    }
}

}  // namespace
}  // namespace nimbaro
