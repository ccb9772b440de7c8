#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "calculations.h"
#include "formulas/psychrometric_equation.h"
#include "number_text.h"
#include "quantities.h"
#include "test_locales.h"

namespace nimbaro {
namespace {

using enum Input;

Calculated calculated(const Outcome<Calculated>& outcome) {
    const auto* values = std::get_if<Calculated>(&outcome);
    EXPECT_NE(values, nullptr);
    return values != nullptr ? *values : Calculated{};
}

Outcome<Calculated> run(Method method, const InputNumbers& numbers, UnitChoice units = {}) {
    return calculate(method, numbers, units);
}

constexpr UnitChoice kFahrenheit{.temperature = TemperatureUnit::Fahrenheit};

// Cells of the NWS heat index chart (°F, 80–110 °F × 40–100 %) where the windows' regression
// names another category than the chart. The NWS's algorithm gives the chart's value in whole
// degrees, and so the chart's category.
struct ChartCell {
    double fahrenheit;
    double humidity;
    double chart;
};

TEST(NwsHeatIndex, GivesTheChartsValueAndCategory) {
    for (const ChartCell& cell : std::vector<ChartCell>{
             {80, 40, 80},
             {86, 55, 89},
             {88, 45, 89},
             {88, 75, 103},
             {90, 65, 103},
             {90, 95, 127},
             {92, 85, 126},
             {96, 70, 126},
             {104, 45, 124},
             {106, 40, 124},
         }) {
        const Calculated index = calculated(
            run(Method::HeatIndexFromHumidityNws,
                InputNumbers().set(AirTemperature, cell.fahrenheit).set(Humidity, cell.humidity),
                kFahrenheit));
        EXPECT_EQ(shownValue(index.values[1], 0), cell.chart)
            << cell.fahrenheit << " " << cell.humidity;
        EXPECT_EQ(index.risk, heatIndexRisk(cell.chart, 0))
            << cell.fahrenheit << " " << cell.humidity;
    }
}

// Where the windows' regression differs from the NWS's, and below 80 °F, where the NWS uses
// Steadman's simple formula and no range note applies.
TEST(NwsHeatIndex, UsesTheRegressionFrom80FAndTheSimpleFormulaBelow) {
    const auto shown = [](double fahrenheit, double humidity) {
        const Calculated index = calculated(run(
            Method::HeatIndexFromHumidityNws,
            InputNumbers().set(AirTemperature, fahrenheit).set(Humidity, humidity), kFahrenheit));
        EXPECT_EQ(index.note, std::nullopt);
        return formatFixed(index.values[1], 2, test::english());
    };
    EXPECT_EQ(shown(90, 95), "126.62");
    EXPECT_EQ(shown(70, 50), "69.05");
}

// ASHRAE Handbook of Fundamentals (2017), chapter 1, table 3, in hPa: Hyland and Wexler's
// formula agrees with the steam tables to a few parts in ten thousand.
TEST(PsychrometricEquation, SaturatesAsTheSteamTables) {
    for (const auto& [celsius, hectopascals] : std::vector<std::pair<double, double>>{
             {0.01, 6.1166}, {5, 8.726}, {25, 31.697}, {50, 123.512}}) {
        EXPECT_NEAR(saturationVapourPressureOverWater(celsius), hectopascals, hectopascals * 3e-4)
            << celsius;
    }
}

// Worked examples of the US Weather Bureau's psychrometric tables, which give whole percents
// and degrees: 68 °F dry and 62 °F wet, 71 %; 47 °F and 44 °F, a dew point of 41 °F.
TEST(PsychrometricEquation, AgreesWithPsychrometricTables) {
    const InputNumbers reading = InputNumbers().set(AirPressure, 1013.25);
    const Calculated humidity = calculated(
        run(Method::HumidityFromWetBulbPsychrometric,
            InputNumbers(reading).set(AirTemperature, 68).set(WetBulb, 62), kFahrenheit));
    EXPECT_NEAR(humidity.values[0], 71, 1);
    const Calculated dewPoint = calculated(
        run(Method::DewPointFromWetBulbPsychrometric,
            InputNumbers(reading).set(AirTemperature, 47).set(WetBulb, 44), kFahrenheit));
    EXPECT_NEAR(dewPoint.values[1], 41, 0.5);
}

// Humidity to wet bulb and back returns the humidity to the digits shown, over the range
// observers use, from nearly dry to saturated air; saturated air has its wet bulb at the air
// temperature.
TEST(PsychrometricEquation, ReturnsTheHumidityFromItsWetBulb) {
    for (const double air : {-30.0, 0.0, 25.0, 45.0}) {
        for (const double humidity : {0.001, 5.0, 50.0, 100.0}) {
            for (const double pressure : {950.0, 1050.0}) {
                const InputNumbers reading =
                    InputNumbers().set(AirTemperature, air).set(AirPressure, pressure);
                const double wetBulb =
                    calculated(run(Method::WetBulbFromHumidityPsychrometric,
                                   InputNumbers(reading).set(Humidity, humidity)))
                        .values[0];
                const double back = calculated(run(Method::HumidityFromWetBulbPsychrometric,
                                                   InputNumbers(reading).set(WetBulb, wetBulb)))
                                        .values[0];
                EXPECT_EQ(formatFixed(back, 5, test::english()),
                          formatFixed(humidity, 5, test::english()))
                    << air << " " << humidity << " " << pressure;
                if (humidity == 100) {
                    EXPECT_EQ(wetBulb, air);
                }
            }
        }
    }
}

// Perfectly dry air still has a wet bulb, where the psychrometric equation gives no vapour.
TEST(PsychrometricEquation, FindsTheWetBulbOfDryAir) {
    for (const double air : {-30.0, 45.0}) {
        const double wetBulb = wetBulbFromVapourPressure(air, 0, 1013.25);
        ASSERT_TRUE(std::isfinite(wetBulb)) << air;
        EXPECT_LT(wetBulb, air);
        EXPECT_NEAR(vapourPressureFromWetBulb(air, wetBulb, 1013.25), 0, 1e-12) << air;
    }
    EXPECT_TRUE(std::isnan(dewPointFromVapourPressure(0)));
}

// An impossible input gets a note, before any note on the formula's range; the values stand.
struct ImpossibleInput {
    Method method;
    InputNumbers numbers;
    UnitChoice units;
    std::optional<RangeNote> note;
};

TEST(ImpossibleInputs, AreNotedAndComputed) {
    using enum RangeNote;
    constexpr UnitChoice kKelvin{.temperature = TemperatureUnit::Kelvin};
    for (const ImpossibleInput& input : std::vector<ImpossibleInput>{
             {Method::DewPointFromHumidity,
              InputNumbers().set(AirTemperature, -273.16).set(Humidity, 50),
              {},
              BelowAbsoluteZero},
             {Method::DewPointFromHumidity,
              InputNumbers().set(AirTemperature, -273.15).set(Humidity, 50),
              {},
              std::nullopt},
             {Method::HumidityFromDewPoint,
              InputNumbers().set(AirTemperature, 20).set(DewPoint, -459.68), kFahrenheit,
              BelowAbsoluteZero},
             {Method::HumidityFromDewPoint,
              InputNumbers().set(AirTemperature, 20).set(DewPoint, -459.67), kFahrenheit,
              std::nullopt},
             {Method::OldWindChill, InputNumbers().set(AirTemperature, -1).set(WindSpeed, 10),
              kKelvin, BelowAbsoluteZero},
             // Before the heat index's range and the dew point above the air temperature.
             {Method::HeatIndexFromDewPoint,
              InputNumbers().set(AirTemperature, -300).set(DewPoint, 20),
              {},
              BelowAbsoluteZero},
             {Method::HumidityFromWetBulb,
              InputNumbers().set(AirTemperature, 20).set(WetBulb, 25).set(AirPressure, 0),
              {},
              NoAirPressure},
             {Method::WetBulbFromHumidity,
              InputNumbers().set(AirTemperature, 20).set(Humidity, 50).set(AirPressure, -1),
              {},
              NoAirPressure},
             // Its own note says where the correction ends; absolute zero is not its concern.
             {Method::CorrectedLightningDistance,
              InputNumbers().set(Time, 3).set(AirTemperature, -300),
              {},
              std::nullopt},
         }) {
        const auto outcome = run(input.method, input.numbers, input.units);
        EXPECT_EQ(calculated(outcome).note, input.note) << methodInfo(input.method).id;
    }
}

TEST(NumericInputs, ThatAreNotFiniteAreNoNumbers) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(run(Method::DewPointFromHumidity,
                  InputNumbers().set(AirTemperature, nan).set(Humidity, 50)),
              (Outcome<Calculated>{InputFault{AirTemperature, Rule::Number}}));
    std::vector<double> out(temperatureQuantity().units.size());
    EXPECT_TRUE(std::holds_alternative<InputFault>(
        convert(temperatureQuantity(), 0, std::numeric_limits<double>::infinity(), out)));
}

}  // namespace
}  // namespace nimbaro
