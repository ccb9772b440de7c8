// The thermodynamic wet bulb against published values, and what a result notes beside its
// digits: the reference's value, implausible inputs, and a risk only where it means something.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculations.h"
#include "formulas/saturation_pressure.h"
#include "test_locales.h"

namespace nimbaro {
namespace {

using enum Input;

Calculated calculated(Method method, const InputNumbers& numbers, UnitChoice units = {}) {
    const Outcome<Calculated> outcome = calculate(method, numbers, units);
    const auto* values = std::get_if<Calculated>(&outcome);
    EXPECT_NE(values, nullptr) << methodInfo(method).id;
    return values != nullptr ? *values : Calculated{};
}

constexpr UnitChoice kFahrenheit{.temperature = TemperatureUnit::Fahrenheit};

// The wet bulbs this program promises at 1013.25 hPa, the last one over ice, as an
// independent implementation of ASHRAE's equations gives them.
TEST(ThermodynamicWetBulb, GivesTheWetBulbsOfAshraesEquations) {
    struct Case {
        double air;
        double humidity;
        double wetBulb;
    };
    for (const Case& reading :
         std::vector<Case>{{35, 20, 18.87}, {20, 50, 13.78}, {0, 50, -2.97}}) {
        const Calculated wetBulb = calculated(Method::WetBulbFromHumidityThermodynamic,
                                              InputNumbers()
                                                  .set(AirTemperature, reading.air)
                                                  .set(Humidity, reading.humidity)
                                                  .set(AirPressure, 1013.25));
        EXPECT_NEAR(wetBulb.values[0], reading.wetBulb, 0.005) << reading.air;
    }
}

// Humidity to thermodynamic wet bulb and back returns the humidity to the digits shown, over
// water and over ice, from nearly dry to saturated air.
TEST(ThermodynamicWetBulb, ReturnsTheHumidityFromItsWetBulb) {
    for (const double air : {-40.0, -5.0, 0.0, 25.0, 45.0}) {
        for (const double humidity : {0.5, 5.0, 50.0, 100.0}) {
            for (const double pressure : {700.0, 1013.25, 1050.0}) {
                const InputNumbers reading =
                    InputNumbers().set(AirTemperature, air).set(AirPressure, pressure);
                const double wetBulb = calculated(Method::WetBulbFromHumidityThermodynamic,
                                                  InputNumbers(reading).set(Humidity, humidity))
                                           .values[0];
                const double back = calculated(Method::HumidityFromWetBulbThermodynamic,
                                               InputNumbers(reading).set(WetBulb, wetBulb))
                                        .values[0];
                EXPECT_NEAR(back, humidity, 5e-6) << air << " " << humidity << " " << pressure;
            }
        }
    }
}

// Humidity ratios W = 0.621945 e / (P − e) of a dry and a wet bulb: PsychroLib's published test
// values (worked out in a spreadsheet, one above freezing and one over ice, at 954.61 hPa), and
// the ASHRAE Handbook's example 1 (40 °C and 20 °C at 1013.25 hPa: 0.0065, 14 %).
TEST(ThermodynamicWetBulb, GivesThePublishedHumidityRatios) {
    struct Case {
        double air;
        double wetBulb;
        double pressure;
        double ratio;
        double tolerance;
    };
    for (const Case& reading : std::vector<Case>{{30, 25, 954.61, 0.0192281274241096, 6e-6},
                                                 {-1, -5, 954.61, 0.00120399819933844, 4e-7},
                                                 {40, 20, 1013.25, 0.0065, 1e-4}}) {
        const double humidity = calculated(Method::HumidityFromWetBulbThermodynamic,
                                           InputNumbers()
                                               .set(AirTemperature, reading.air)
                                               .set(WetBulb, reading.wetBulb)
                                               .set(AirPressure, reading.pressure))
                                    .values[0];
        const double vapour = humidity / 100 * saturationVapourPressureOverWater(reading.air);
        EXPECT_NEAR(0.621945 * vapour / (reading.pressure - vapour), reading.ratio,
                    reading.tolerance)
            << reading.air;
    }
}

// A window's result gives the reference's value where the two lie farther apart than the
// tolerance: 1 °F for the heat index, 0.5 °C for a wet bulb or a dew point, 2 points for a
// humidity. Only a window's method is compared.
TEST(ReferenceNotes, NameTheReferenceBeyondTheTolerance) {
    struct Case {
        Method method;
        InputNumbers numbers;
        UnitChoice units;
        std::string remark;
    };
    const InputNumbers standard = InputNumbers().set(AirPressure, 1013.25);
    for (const Case& reading : std::vector<Case>{
             {Method::HeatIndexFromHumidity,
              InputNumbers().set(AirTemperature, 90).set(Humidity, 95), kFahrenheit,
              "NWS heat index: 126.6 °F"},
             {Method::HeatIndexFromHumidity,
              InputNumbers().set(AirTemperature, 86).set(Humidity, 50), kFahrenheit, ""},
             {Method::HeatIndexFromHumidityNws,
              InputNumbers().set(AirTemperature, 11.5).set(Humidity, 89), kFahrenheit, ""},
             {Method::WetBulbFromHumidity,
              InputNumbers(standard).set(AirTemperature, 40).set(Humidity, 5),
              {},
              "Thermodynamic wet bulb: 16.6 °C"},
             {Method::WetBulbFromHumidity,
              InputNumbers(standard).set(AirTemperature, 20).set(Humidity, 50),
              {},
              ""},
             {Method::WetBulbFromDewPoint,
              InputNumbers(standard).set(AirTemperature, 39).set(DewPoint, -20),
              {},
              "Thermodynamic wet bulb: 14.9 °C"},
             {Method::DewPointFromWetBulb,
              InputNumbers(standard).set(AirTemperature, 30).set(WetBulb, 15),
              {},
              "Thermodynamic dew point: 2.4 °C"},
             {Method::HumidityFromWetBulb,
              InputNumbers(standard).set(AirTemperature, -10).set(WetBulb, -12),
              {},
              "Thermodynamic humidity: 35.5 %"},
         }) {
        EXPECT_EQ(
            remarkLine(calculated(reading.method, reading.numbers, reading.units), test::english()),
            reading.remark)
            << methodInfo(reading.method).id;
    }
    // In the decimals of the results.
    EXPECT_EQ(remarkLine(
                  calculated(Method::HeatIndexFromHumidity,
                             InputNumbers().set(AirTemperature, 90).set(Humidity, 95), kFahrenheit),
                  test::german()),
              "NWS heat index: 126,6 °F");
}

// A category only where the weather service defines one: a heat index whose formula is in its
// range and that reaches 80 °F, a new-formula wind chill in its range and not above the air.
TEST(RiskCategories, OnlyWhereTheyMeanSomething) {
    struct Case {
        Method method;
        InputNumbers numbers;
        UnitChoice units;
        std::optional<Risk> risk;
    };
    constexpr UnitChoice kMilesPerHour{.temperature = TemperatureUnit::Fahrenheit,
                                       .windSpeed = WindSpeedUnit::MilesPerHour};
    for (const Case& reading : std::vector<Case>{
             {Method::HeatIndexFromHumidity,
              InputNumbers().set(AirTemperature, 11.5).set(Humidity, 89), kFahrenheit,
              std::nullopt},
             {Method::HeatIndexFromDewPoint,
              InputNumbers().set(AirTemperature, 95).set(DewPoint, 96), kFahrenheit, std::nullopt},
             {Method::HeatIndexFromHumidity,
              InputNumbers().set(AirTemperature, 90).set(Humidity, 95), kFahrenheit, Risk::Danger},
             {Method::HeatIndexFromHumidityNws,
              InputNumbers().set(AirTemperature, 79).set(Humidity, 100), kFahrenheit,
              Risk::Caution},
             {Method::NewWindChill, InputNumbers().set(AirTemperature, 20).set(WindSpeed, 1),
              kMilesPerHour, std::nullopt},
             {Method::NewWindChill, InputNumbers().set(AirTemperature, 20).set(WindSpeed, 3),
              kMilesPerHour, Risk::LowRisk},
         }) {
        EXPECT_EQ(calculated(reading.method, reading.numbers, reading.units).risk, reading.risk)
            << methodInfo(reading.method).id << " " << reading.numbers[AirTemperature];
    }
}

// An input outside surface weather is noted, and the result still computed; a pressure names
// the unit it would be plausible in. Bounds are inside.
TEST(PlausibilityNotes, NameInputsOutsideSurfaceWeather) {
    struct Case {
        Method method;
        InputNumbers numbers;
        UnitChoice units;
        std::string notes;
    };
    const InputNumbers humid = InputNumbers().set(AirTemperature, 25).set(Humidity, 50);
    constexpr UnitChoice kKnots{.windSpeed = WindSpeedUnit::Knots};
    for (const Case& reading : std::vector<Case>{
             {Method::WetBulbFromHumidity,
              InputNumbers(humid).set(AirPressure, 29.92),
              {},
              "29.92 hPa is not a surface pressure; in inHg it would be 1013.2 hPa"},
             {Method::WetBulbFromHumidity,
              InputNumbers(humid).set(AirPressure, 1013.25),
              {.pressure = PressureUnit::InchesOfMercury},
              "1013.25 inHg is not a surface pressure; in hPa it would be 1013.3 hPa"},
             {Method::WetBulbFromHumidity,
              InputNumbers(humid).set(AirPressure, 5),
              {},
              "5 hPa is not a surface pressure"},
             {Method::WetBulbFromHumidity, InputNumbers(humid).set(AirPressure, 300), {}, ""},
             {Method::WetBulbFromHumidity, InputNumbers(humid).set(AirPressure, 1100), {}, ""},
             {Method::DewPointFromHumidity,
              InputNumbers().set(AirTemperature, 25).set(Humidity, 0.6),
              {},
              "Humidity 0.6 %: a fraction? 0.6 is 60 %"},
             {Method::DewPointFromHumidity,
              InputNumbers().set(AirTemperature, 25).set(Humidity, 1.01),
              {},
              ""},
             {Method::HumidityFromDewPoint,
              InputNumbers().set(AirTemperature, 60).set(DewPoint, -90),
              {},
              ""},
             {Method::HumidityFromDewPoint,
              InputNumbers().set(AirTemperature, 200).set(DewPoint, 50), kFahrenheit,
              "Air temperature 200 °F (93.3 °C) is outside −90 to 60 °C; is the unit right?"},
             {Method::OldWindChill, InputNumbers().set(AirTemperature, -5).set(WindSpeed, 250),
              kKnots, "Wind speed 250 kn (128.6 m/s) is above 120 m/s; is the unit right?"},
             // Below absolute zero the range note says more.
             {Method::DewPointFromHumidity,
              InputNumbers().set(AirTemperature, -300).set(Humidity, 50),
              {},
              "Temperature below absolute zero (−273.15 °C)"},
         }) {
        EXPECT_EQ(
            noteLine(calculated(reading.method, reading.numbers, reading.units), test::english()),
            reading.notes)
            << methodInfo(reading.method).id;
    }
}

// A range note gives its bounds in the unit chosen beside the formula's, with the locale's
// decimal separator; with the formula's own unit chosen, a note on one bound adds Celsius or
// km/h, and the note on both bounds nothing.
TEST(RangeNoteTexts, GiveTheBoundsInTheUnitsChosen) {
    using enum TemperatureUnit;
    using enum WindSpeedUnit;
    struct Case {
        RangeNote note;
        UnitChoice units;
        NumberLocale locale;
        const char* text;
    };
    for (const Case& wording : std::vector<Case>{
             {RangeNote::HeatIndexBelow80F,
              {.temperature = Kelvin},
              test::german(),
              "Heat index formula is meant for 80 °F (299,8 K) and above"},
             {RangeNote::HeatIndexBelow80F,
              {.temperature = Fahrenheit},
              test::german(),
              "Heat index formula is meant for 80 °F (26,7 °C) and above"},
             {RangeNote::WindChillBelow3Mph,
              {.windSpeed = Knots},
              test::english(),
              "New formula is meant for winds of 3 mph (2.6 kn) and above"},
             {RangeNote::WindChillOutsideBoth,
              {},
              test::english(),
              "New formula is meant for 50 °F (10 °C) and below, winds of 3 mph (4.8 km/h) and "
              "above"},
             {RangeNote::WindChillOutsideBoth,
              {.temperature = Kelvin, .windSpeed = MetresPerSecond},
              test::french(),
              "New formula is meant for 50 °F (283,2 K) and below, winds of 3 mph (1,3 m/s) and "
              "above"},
             {RangeNote::WindChillOutsideBoth,
              {.temperature = Fahrenheit, .windSpeed = MilesPerHour},
              test::german(),
              "New formula is meant for 50 °F and below, winds of 3 mph and above"},
             {RangeNote::BelowAbsoluteZero,
              {.temperature = Kelvin},
              test::german(),
              "Temperature below absolute zero (−273,15 °C)"},
         }) {
        EXPECT_EQ(noteText(wording.note, wording.units, wording.locale), wording.text)
            << wording.text;
    }
}

// What a log counts each kind of note as, without any one result's numbers.
TEST(NoteSummaries, LeaveTheNumbersOut) {
    EXPECT_EQ(noteSummary(ReferenceNote{Method::HeatIndexFromHumidity}),
              "NWS heat index more than 1 °F from the result");
    EXPECT_EQ(noteSummary(ReferenceNote{Method::HumidityFromWetBulb}),
              "Thermodynamic humidity more than 2 percentage points from the result");
    EXPECT_EQ(noteSummary(ImplausibleInput{AirPressure}), "Air pressure outside 300 to 1,100 hPa");
    EXPECT_EQ(noteSummary(AirPressureAssumed{}), "Air pressure not given: 1013.25 hPa used");
}

}  // namespace
}  // namespace nimbaro
