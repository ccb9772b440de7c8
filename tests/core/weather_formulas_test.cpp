#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "formulas/cloud_base.h"
#include "formulas/heat_index.h"
#include "formulas/lightning.h"
#include "formulas/psychrometrics.h"
#include "formulas/units.h"
#include "formulas/wind_chill.h"
#include "output_values.h"

namespace nimbaro {
namespace {

// Expected values were worked out separately in double precision with the order of operations
// each window documents, so they must match to the last bit: a changed order or constant shows
// here even where the five shown decimals would not change.
struct FormulaCase {
    const char* formula;
    std::function<OutputValues()> evaluate;
    OutputValues exact;
};

void PrintTo(const FormulaCase& formulaCase, std::ostream* out) {
    *out << formulaCase.formula;
}

class WeatherFormulas : public testing::TestWithParam<FormulaCase> {};

TEST_P(WeatherFormulas, MatchTheWorkedValuesExactly) {
    EXPECT_EQ(GetParam().evaluate(), GetParam().exact);
}

std::string caseName(const testing::TestParamInfo<FormulaCase>& info) {
    return "Case" + std::to_string(info.index);
}

constexpr auto kCelsius = TemperatureUnit::Celsius;
constexpr auto kFahrenheit = TemperatureUnit::Fahrenheit;
constexpr auto kKelvin = TemperatureUnit::Kelvin;

INSTANTIATE_TEST_SUITE_P(
    HeatIndex, WeatherFormulas,
    testing::Values(
        FormulaCase{
            "TF of 30 C", [] { return OutputValues{heatIndexAirTemperature(30, kCelsius)}; }, {86}},
        FormulaCase{"TF of 86 F",
                    [] { return OutputValues{heatIndexAirTemperature(86, kFahrenheit)}; },
                    {86}},
        FormulaCase{"TF of 303.15 K",
                    [] { return OutputValues{heatIndexAirTemperature(303.15, kKelvin)}; },
                    {86}},
        // (x − 273.15) × 9 / 5: multiplied before it is divided.
        FormulaCase{"TF of 300 K",
                    [] { return OutputValues{heatIndexAirTemperature(300, kKelvin)}; },
                    {80.33000000000004}},
        FormulaCase{"TF of 20.1 C",
                    [] { return OutputValues{heatIndexAirTemperature(20.1, kCelsius)}; },
                    {68.18}},
        FormulaCase{
            "HI(86, 50)", [] { return OutputValues{heatIndex(86, 50)}; }, {88.67644607550001}},
        FormulaCase{
            "HI(68, 50)", [] { return OutputValues{heatIndex(68, 50)}; }, {75.75827358000005}},
        // No threshold: the regression rises again towards freezing.
        FormulaCase{
            "HI(32, 50)", [] { return OutputValues{heatIndex(32, 50)}; }, {141.53063199600007}},
        FormulaCase{
            "HI(86, 100)", [] { return OutputValues{heatIndex(86, 100)}; }, {109.84085573200001}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    CloudBase, WeatherFormulas,
    testing::Values(
        // The windows multiply out the wet-bulb correction in two orders.
        FormulaCase{"Td(20, 10, 1013.25), pressure first",
                    [] {
                        return OutputValues{
                            dewPointFromWetBulb(20, 10, 1013.25, WetBulbCorrection::PressureFirst)};
                    },
                    {-5.103869226981747}},
        FormulaCase{"Td(20, 10, 1013.25), depression first",
                    [] { return OutputValues{dewPointFromWetBulb(20, 10, 1013.25)}; },
                    {-5.1038692269817405}},
        FormulaCase{"Td(30, 25, 1013.25), pressure first",
                    [] {
                        return OutputValues{
                            dewPointFromWetBulb(30, 25, 1013.25, WetBulbCorrection::PressureFirst)};
                    },
                    {22.665268356317817}},
        FormulaCase{"0.1 through Celsius",
                    [] { return OutputValues{throughTypedUnit(0.1, kCelsius)}; },
                    {0.1}},
        FormulaCase{"0.1 through Fahrenheit",
                    [] { return OutputValues{throughTypedUnit(0.1, kFahrenheit)}; },
                    {0.09999999999999984}},
        FormulaCase{"0.1 through Kelvin",
                    [] { return OutputValues{throughTypedUnit(0.1, kKelvin)}; },
                    {0.10000000000002274}},
        FormulaCase{
            "Td(30 C, 50 %) through Kelvin",
            [] { return OutputValues{throughTypedUnit(dewPointFromHumidity(30, 50), kKelvin)}; },
            {18.42167094544658}},
        FormulaCase{
            "height(30, 20)", [] { return cloudBaseHeight(30, 20); }, {1250, 4101.049868766404}},
        FormulaCase{"height(20, 25) below the observer",
                    [] { return cloudBaseHeight(20, 25); },
                    {-625, -2050.524934383202}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    WindChill, WeatherFormulas,
    testing::Values(
        FormulaCase{"new 0 C, 20 km/h",
                    [] { return newWindChill(0, kCelsius, 20, WindSpeedUnit::KilometresPerHour); },
                    {-5.223110966202851, 22.598400260834868, 267.9268890337971}},
        FormulaCase{"new 0 C, 20 m/s",
                    [] { return newWindChill(0, kCelsius, 20, WindSpeedUnit::MetresPerSecond); },
                    {-9.397005931555451, 15.085389323200186, 263.75299406844454}},
        FormulaCase{"new 0 C, 20 mph",
                    [] { return newWindChill(0, kCelsius, 20, WindSpeedUnit::MilesPerHour); },
                    {-6.674675451224725, 19.985584187795496, 266.47532454877523}},
        FormulaCase{"new 0 C, 20 knots",
                    [] { return newWindChill(0, kCelsius, 20, WindSpeedUnit::Knots); },
                    {-7.124654578991401, 19.175621757815478, 266.0253454210086}},
        FormulaCase{"new 10 F, 15 mph",
                    [] { return newWindChill(10, kFahrenheit, 15, WindSpeedUnit::MilesPerHour); },
                    {-21.438630233864586, -6.5895344209562525, 251.7113697661354}},
        FormulaCase{"new 265 K, 20 km/h",
                    [] { return newWindChill(265, kKelvin, 20, WindSpeedUnit::KilometresPerHour); },
                    {-15.502620252166512, 4.095283546100278, 257.64737974783344}},
        FormulaCase{"old 0 C, 20 km/h",
                    [] { return oldWindChill(0, kCelsius, 20, WindSpeedUnit::KilometresPerHour); },
                    {-9.300660918345088, 15.25881034697884, 263.8493390816549}},
        // The chill stays in the typed unit, which is shown as computed.
        FormulaCase{
            "old 25 F, 20 km/h",
            [] { return oldWindChill(25, kFahrenheit, 20, WindSpeedUnit::KilometresPerHour); },
            {-14.285587289193833, 6.285942879451099, 258.86441271080616}},
        FormulaCase{"old 265 K, 20 km/h",
                    [] { return oldWindChill(265, kKelvin, 20, WindSpeedUnit::KilometresPerHour); },
                    {-19.747642326966655, -3.5457561885399826, 253.40235767303332}},
        FormulaCase{"old -10 C, 10 m/s",
                    [] { return oldWindChill(-10, kCelsius, 10, WindSpeedUnit::MetresPerSecond); },
                    {-29.160351945323313, -20.488633501581965, 243.98964805467665}},
        FormulaCase{"old 0 C, 20 mph",
                    [] { return oldWindChill(0, kCelsius, 20, WindSpeedUnit::MilesPerHour); },
                    {-13.712382583511946, 7.317711349678497, 259.437617416488}},
        FormulaCase{"old 0 C, 20 knots",
                    [] { return oldWindChill(0, kCelsius, 20, WindSpeedUnit::Knots); },
                    {-14.95102316864628, 5.088158296436696, 258.1989768313537}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Lightning, WeatherFormulas,
    testing::Values(
        FormulaCase{"3 s uncorrected",
                    [] { return lightningDistances(3, kUncorrectedSpeedOfSound); },
                    {993, 0.993, 3257.8740157480315, 0.6170215938916727}},
        FormulaCase{"speed at 20, -40 and 10 C",
                    [] {
                        return OutputValues{speedOfSound(20), speedOfSound(-40), speedOfSound(10)};
                    },
                    {343, 307, 337}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Units, WeatherFormulas,
    testing::Values(FormulaCase{"88.67645 F in every unit",
                                [] { return inEveryTemperatureUnit(88.67645, kFahrenheit); },
                                {31.486916666666666, 88.67645, 304.63691666666665}},
                    FormulaCase{"300 K in every unit",
                                [] { return inEveryTemperatureUnit(300, kKelvin); },
                                {26.850000000000023, 80.33000000000004, 300}}),
    caseName);

}  // namespace
}  // namespace nimbaro
