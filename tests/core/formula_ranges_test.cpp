#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "formulas/cloud_base.h"
#include "formulas/heat_index.h"
#include "formulas/lightning.h"
#include "formulas/psychrometrics.h"
#include "formulas/wind_chill.h"

namespace nimbaro {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A bound and the first value past it: the bound is inside the range, the next double
// outside it is not.
struct RangeBound {
    const char* rule;
    std::function<bool(double)> inRange;
    double bound;
    double outward;  // the direction in which the range is left
};

void PrintTo(const RangeBound& bound, std::ostream* out) {
    *out << bound.rule;
}

class FormulaRanges : public testing::TestWithParam<RangeBound> {};

TEST_P(FormulaRanges, KeepTheBoundInsideAndTheNextValueOutside) {
    const RangeBound& range = GetParam();
    const double inward = -range.outward;
    EXPECT_TRUE(range.inRange(range.bound));
    EXPECT_TRUE(range.inRange(std::nextafter(range.bound, inward)));
    EXPECT_FALSE(range.inRange(std::nextafter(range.bound, range.outward)));
    EXPECT_FALSE(range.inRange(range.outward));
}

bool warmEnoughForNewWindChill(double fahrenheit) {
    return newWindChillRange(fahrenheit, TemperatureUnit::Fahrenheit, 10,
                             WindSpeedUnit::MilesPerHour)
        .temperatureInRange;
}

bool windyEnoughForNewWindChill(double milesPerHour) {
    return newWindChillRange(0, TemperatureUnit::Fahrenheit, milesPerHour,
                             WindSpeedUnit::MilesPerHour)
        .windInRange;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, FormulaRanges,
    testing::Values(
        RangeBound{"heat index from 80 F", heatIndexInRange, 80, -kInfinity},
        RangeBound{"new wind chill up to 50 F", warmEnoughForNewWindChill, 50, kInfinity},
        RangeBound{"new wind chill from 3 mph", windyEnoughForNewWindChill, 3, -kInfinity},
        RangeBound{"dew point up to the air temperature",
                   [](double dewPoint) { return !supersaturated(20, dewPoint); }, 20, kInfinity},
        RangeBound{"wet bulb up to a freezing air temperature",
                   [](double wetBulb) { return !supersaturated(-12.5, wetBulb); }, -12.5,
                   kInfinity},
        RangeBound{"cloud base from the ground", hasCloudBase, 0, -kInfinity},
        RangeBound{"speed of sound from zero", speedOfSoundInRange, 0, -kInfinity}));

// The new formula reads the range on the values it works with, whatever unit was typed.
TEST(NewWindChillRange, IsJudgedInFahrenheitAndMilesPerHour) {
    const auto range = [](double temperature, TemperatureUnit unit, double speed,
                          WindSpeedUnit speedUnit) {
        const WindChillRange judged = newWindChillRange(temperature, unit, speed, speedUnit);
        return std::pair{judged.temperatureInRange, judged.windInRange};
    };
    using enum TemperatureUnit;
    using enum WindSpeedUnit;
    EXPECT_EQ(range(10, Celsius, 3, MilesPerHour), std::pair(true, true));
    EXPECT_EQ(range(10.00001, Celsius, 3, MilesPerHour), std::pair(false, true));
    EXPECT_EQ(range(283.15, Kelvin, 20, KilometresPerHour), std::pair(true, true));
    EXPECT_EQ(range(283.2, Kelvin, 20, KilometresPerHour), std::pair(false, true));
    EXPECT_EQ(range(-5, Celsius, 4.828032, KilometresPerHour), std::pair(true, true));
    EXPECT_EQ(range(-5, Celsius, 4.8, KilometresPerHour), std::pair(true, false));
    EXPECT_EQ(range(-5, Celsius, 1.3, MetresPerSecond), std::pair(true, false));
    EXPECT_EQ(range(-5, Celsius, 2.6, Knots), std::pair(true, false));
    EXPECT_EQ(range(60, Fahrenheit, 2, MilesPerHour), std::pair(false, false));
}

// Where the corrected speed of sound turns negative, between two neighbouring doubles.
TEST(SpeedOfSoundRange, EndsJustBelowMinus551Point67Celsius) {
    EXPECT_TRUE(speedOfSoundInRange(speedOfSound(-551.6666666666666)));
    EXPECT_FALSE(speedOfSoundInRange(speedOfSound(-551.6666666666667)));
    EXPECT_TRUE(speedOfSoundInRange(kUncorrectedSpeedOfSound));
}

TEST(CloudBaseRange, EndsWhereTheDewPointPassesTheAirTemperature) {
    EXPECT_TRUE(hasCloudBase(cloudBaseHeight(20, 20).front()));
    EXPECT_FALSE(hasCloudBase(cloudBaseHeight(20, 20.000000000000004).front()));
}

}  // namespace
}  // namespace nimbaro
