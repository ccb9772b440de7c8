#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "formulas/air_thermodynamics.h"
#include "formulas/beaufort.h"
#include "formulas/comfort.h"
#include "formulas/moisture.h"
#include "formulas/pressure_reduction.h"
#include "guarded_computation.h"

namespace nimbaro {
namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double kMetresPerSecondPerKnot = 1852.0 / 3600.0;

// A value published by an independent source, and how far the formula may lie from it.
struct CheckValue {
    const char* source;
    std::function<double()> compute;
    double published;
    double tolerance;
};

void PrintTo(const CheckValue& check, std::ostream* out) {
    *out << check.source;
}

class StationFormulas : public testing::TestWithParam<CheckValue> {};

TEST_P(StationFormulas, MatchThePublishedValue) {
    EXPECT_NEAR(GetParam().compute(), GetParam().published, GetParam().tolerance);
}

// The ICAO standard atmosphere has 696.82 hPa and −4.812 °C at 10000 ft; the NWS formulas round
// their constants, so they miss it by a few feet.
INSTANTIATE_TEST_SUITE_P(
    Pressure, StationFormulas,
    testing::Values(
        // PsychroLib's test of GetSeaLevelPressure, to 1 Pa; its g and Rd differ in the 5th digit.
        CheckValue{"PsychroLib: 1012.265 hPa, 105 m, 17.19 C",
                   [] { return seaLevelPressure(1012.265, 105, 17.19); }, 1024.84, 0.01},
        // MetPy's altimeter_to_station_pressure tests, inverted; MetPy's n = Rd × 0.0065 / g is
        // 0.190260 where the NWS rounds to 0.190284, which moves the setting by 0.008 hPa.
        CheckValue{"MetPy: 1013 hPa at 500 m", [] { return altimeterSetting(954.639265, 500); },
                   1013, 0.01},
        CheckValue{"MetPy: 29.8 inHg at 500 m", [] { return altimeterSetting(950.96498, 500); },
                   29.8 * 33.8639, 0.01},
        CheckValue{"NWS: 1000 hPa", [] { return pressureAltitude(1000).feet; }, 363.6, 0.5},
        CheckValue{"ICAO: 10000 ft in metres", [] { return pressureAltitude(696.82).metres; }, 3048,
                   1.5},
        // Standard air has a density altitude equal to its altitude; the NWS formula's 17.326
        // puts it 13 to 18 ft higher.
        CheckValue{"ICAO: sea level", [] { return dryDensityAltitude(1013.25, 15).feet; }, 0, 20},
        CheckValue{"ICAO: 10000 ft", [] { return dryDensityAltitude(696.82, -4.812).feet; }, 10000,
                   20}));

INSTANTIATE_TEST_SUITE_P(
    Moisture, StationFormulas,
    testing::Values(
        // ASHRAE Handbook Fundamentals 2017, ch. 1, table 3 (PsychroLib's tests): the Magnus
        // form lies up to 0.31 % below it over water from 5 to 50 C, within 0.03 % over ice.
        CheckValue{"ASHRAE: water at 25 C", [] { return wmoSaturationVapourPressure(25); }, 31.697,
                   31.697 * 0.0031},
        CheckValue{"ASHRAE: ice at -20 C", [] { return wmoSaturationVapourPressureOverIce(-20); },
                   1.0324, 0.0003},
        CheckValue{"ASHRAE: frost point of 1.0324 hPa", [] { return wmoFrostPoint(1.0324); }, -20,
                   0.005},
        // MetPy's test_mixing_ratio: 0.04963 kg/kg.
        CheckValue{"MetPy: 73.75 hPa at 998 hPa", [] { return mixingRatio(73.75, 998); }, 49.63,
                   0.005},
        // MetPy's test_specific_humidity_from_dewpoint: 0.012 kg/kg, rounded to 3 decimals.
        CheckValue{"MetPy: Td 16.973 C at 1013.25 hPa",
                   [] { return specificHumidity(wmoSaturationVapourPressure(16.973), 1013.25); },
                   12, 0.1}));

INSTANTIATE_TEST_SUITE_P(
    Air, StationFormulas,
    testing::Values(
        CheckValue{"issue 28: 20 C at 850 hPa", [] { return potentialTemperature(20, 850); }, 307.1,
                   0.1},
        // MetPy's test_potential_temperature, to 3 decimals.
        CheckValue{"MetPy: 298 K at 100 hPa",
                   [] { return potentialTemperature(298 - 273.15, 100); }, 575.348, 0.001},
        // MetPy's test_virtual_temperature: mixing ratio 0.0016 kg/kg, e = r × p / (ε + r).
        CheckValue{"MetPy: 288 K, r 0.0016",
                   [] {
                       return virtualTemperature(288 - 273.15, 0.0016 * 1000 / (0.62198 + 0.0016),
                                                 1000);
                   },
                   288.2796, 0.0005},
        // MetPy's test_equivalent_potential_temperature; MetPy's κ of 2 / 7 in θDL where Bolton
        // has 0.2854 accounts for the 0.0007 K.
        CheckValue{"MetPy: 293 K, Td 280 K, 1000 hPa",
                   [] { return equivalentPotentialTemperature(293 - 273.15, 280 - 273.15, 1000); },
                   311.18586, 0.001},
        // ASHRAE 2017 ch. 1 table 2, dry air at 25 C: 0.8443 m3/kg, within its 0.1 %.
        CheckValue{"ASHRAE: dry air at 25 C", [] { return airDensity(25, 0, 1013.25); }, 1 / 0.8443,
                   0.0012},
        // PsychroLib's test_MoistAir: humidity ratio 0.02 at 95461 Pa, e = W × p / (ε + W).
        CheckValue{"PsychroLib: 30 C, W 0.02",
                   [] { return airDensity(30, 0.02 * 954.61 / (0.62198 + 0.02), 954.61); },
                   1.08411986, 0.0001}));

INSTANTIATE_TEST_SUITE_P(
    Comfort, StationFormulas,
    testing::Values(
        // Environment Canada's examples give 34 and 42 in whole degrees; issue 28 33.97.
        CheckValue{"issue 28: 30 C, Td 15 C", [] { return humidex(30, 15); }, 33.97, 0.05},
        CheckValue{"Environment Canada: 30 C, Td 25 C", [] { return humidex(30, 25); }, 42, 0.5},
        // ladybug-comfort's tests of the BoM's shade formula.
        CheckValue{"ladybug-comfort: 32 C, 85 %, 10 m/s",
                   [] { return apparentTemperature(32, bomVapourPressure(32, 85), 10); }, 34.290083,
                   1e-6},
        CheckValue{"ladybug-comfort: 20 C, 50 %, 15 m/s",
                   [] { return apparentTemperature(20, bomVapourPressure(20, 50), 15); }, 9.3482423,
                   1e-6}));

// The heat index cells from MetPy's test_apparent_temperature, which follows the same rule, to
// 6 decimals; the wind chill cells from the NWS's chart, in whole degrees (MetPy works the
// chill by Environment Canada's metric form, 0.04 F away); then the rule's bounds, which are
// inside.
TEST(NwsFeelsLike, TakesTheIndexTheRuleNames) {
    struct Case {
        double fahrenheit, humidity, milesPerHour;
        FeelsLikeSource source;
        std::optional<double> published;
        double tolerance = 1e-6;
    };
    using enum FeelsLikeSource;
    for (const Case& c : std::vector<Case>{
             {90, 60, 5, HeatIndex, 99.6777178},
             {90, 20, 3, HeatIndex, 86.3357671},
             {70, 60, 3, AirTemperature, 70},
             {20, 10, 10, WindChill, 9, 0.5},
             {0, 10, 15, WindChill, -19, 0.5},
             {20, 10, 1, AirTemperature, 20},
             {60, 10, 10, AirTemperature, 60},
             {80, 50, 20, HeatIndex, {}},
             {79.9, 50, 20, AirTemperature, {}},
             {50, 50, 3, WindChill, {}},
             {50.1, 50, 3, AirTemperature, {}},
             {50, 50, 2.9, AirTemperature, {}},
         }) {
        const FeelsLike feelsLike = nwsFeelsLike(c.fahrenheit, c.humidity, c.milesPerHour);
        EXPECT_EQ(feelsLike.source, c.source) << c.fahrenheit << " F, " << c.milesPerHour << " mph";
        if (c.published) {
            EXPECT_NEAR(feelsLike.fahrenheit, *c.published, c.tolerance) << c.fahrenheit;
        }
    }
}

// WMO-No. 558's table in m/s; a speed on a bound is the higher force.
TEST(Beaufort, ForceByTheWmoSpeeds) {
    struct Case {
        double metresPerSecond;
        std::optional<int> force;
    };
    for (const Case& c : std::vector<Case>{
             {25 * kMetresPerSecondPerKnot, 6},  // issue 28: 25 kn
             {0.29, 0},
             {0.3, 1},
             {1.55, 1},  // between force 1's 1.5 and force 2's 1.6
             {10.8, 6},
             {13.85, 6},
             {32.69, 11},
             {32.7, 12},
             {-0.1, std::nullopt},
             {kNotANumber, std::nullopt},
         }) {
        EXPECT_EQ(beaufortForce(c.metresPerSecond), c.force) << c.metresPerSecond;
    }
    EXPECT_EQ(beaufortDescription(0), "Calm");
    EXPECT_EQ(beaufortDescription(7), "Near gale");
    EXPECT_EQ(beaufortDescription(12), "Hurricane force");
    EXPECT_EQ(beaufortDescription(13), "");
    EXPECT_EQ(beaufortDescription(-1), "");
}

// Environment Canada's ranges of whole degrees; a humidex is judged as it rounds.
TEST(HumidexComfort, ByTheWholeDegree) {
    using enum HumidexComfort;
    for (const auto& [value, comfort] :
         std::vector<std::pair<double, std::optional<HumidexComfort>>>{
             {19.49, std::nullopt},
             {19.5, LittleDiscomfort},
             {29.49, LittleDiscomfort},
             {29.5, SomeDiscomfort},
             {39.5, GreatDiscomfort},
             {45.49, GreatDiscomfort},
             {45.5, Dangerous},
             {kNotANumber, std::nullopt},
         }) {
        EXPECT_EQ(humidexComfort(value), comfort) << value;
    }
}

// ρv = ρ × q holds exactly for moist air: it ties the vapour density to the virtual temperature
// and the specific humidity.
TEST(Moisture, VapourDensityIsTheAirsDensityTimesItsSpecificHumidity) {
    for (const double dewPoint : {-30.0, 0.0, 15.0, 28.0}) {
        const double vapourPressure = wmoSaturationVapourPressure(dewPoint);
        const double airTemperature = dewPoint + 5;
        EXPECT_NEAR(
            absoluteHumidity(vapourPressure, airTemperature),
            airDensity(airTemperature, vapourPressure, 850) * specificHumidity(vapourPressure, 850),
            1e-12)
            << dewPoint;
    }
}

// Inputs that would divide by zero, take the logarithm of zero or less, or overflow give not a
// number and leave no floating-point fault behind.
TEST(StationFormulaFaults, GiveNotANumberQuietly) {
    const std::vector<std::pair<const char*, std::function<double()>>> cases{
        {"e equal to p", [] { return mixingRatio(1000, 1000); }},
        {"e above p", [] { return specificHumidity(1100, 1000); }},
        {"frost point of zero", [] { return wmoFrostPoint(0); }},
        {"absolute zero", [] { return absoluteHumidity(10, -273.15); }},
        {"Magnus pole, water", [] { return wmoSaturationVapourPressure(-243.12); }},
        {"BoM pole", [] { return bomVapourPressure(-237.7, 50); }},
        {"humidex of a dew point at 0 K", [] { return humidex(30, -273.15); }},
        {"altimeter far below sea level", [] { return altimeterSetting(1000, -1e6); }},
        {"pressure altitude below zero", [] { return pressureAltitude(-1).feet; }},
        {"density altitude, NWS pole", [] { return densityAltitude(1000, 20, -237.7).feet; }},
        {"column at 0 K", [] { return seaLevelPressure(1000, 0, -273.15); }},
        {"theta at 0 hPa", [] { return potentialTemperature(20, 0); }},
        {"theta-e overflow", [] { return equivalentPotentialTemperature(30, 25, 32); }},
        {"theta-e, Bolton pole", [] { return equivalentPotentialTemperature(20, -243.5, 1000); }},
        {"density at 0 hPa", [] { return airDensity(20, 0, 0); }},
    };
    testAndClearFaults();
    for (const auto& [what, compute] : cases) {
        EXPECT_TRUE(std::isnan(compute())) << what;
        EXPECT_FALSE(testAndClearFaults()) << what;
    }
}

}  // namespace
}  // namespace nimbaro
