#include "wind_direction.h"

#include <gtest/gtest.h>

#include <cmath>

#include "test_locales.h"

namespace nimbaro {
namespace {

// The sixteen points are centred 22.5 degrees apart, so a whole degree belongs to the point
// nearest to it.
TEST(CompassPointFor, PutsEveryWholeDegreeInItsNearestPoint) {
    for (int degrees = 0; degrees <= 360; ++degrees) {
        const auto expected = static_cast<std::size_t>(std::lround(degrees / 22.5) % 16);
        EXPECT_EQ(compassPointFor(degrees), expected) << degrees;
        const CompassPoint& point = compassPoints()[expected];
        if (expected != kNorth) {
            EXPECT_TRUE(point.from <= degrees && degrees <= point.to) << degrees;
        }
    }
}

TEST(CompassPointFor, RefusesWhatNoSectorHolds) {
    for (double degrees : {-1.0, 361.0, -0.5, 11.5, 360.5, 1e300, -1e300, std::nan("")}) {
        EXPECT_EQ(compassPointFor(degrees), std::nullopt) << degrees;
    }
}

TEST(CompassPoints, ShowTheirRangesAndNames) {
    const std::vector<std::string> midPoints = {
        "360 or 0", "22.5",  "45.0",  "67.5",  "90.0",  "112.5", "135.0", "157.5",
        "180.0",    "202.5", "225.0", "247.5", "270.0", "292.5", "315.0", "337.5"};
    for (std::size_t point = 0; point < 16; ++point) {
        EXPECT_EQ(midPointText(point, test::english()), midPoints[point]);
    }
    EXPECT_EQ(midPointText(1, test::german()), "22,5");
    EXPECT_EQ(midPointText(4, test::german()), "90,0");
    EXPECT_EQ(midPointText(kNorth, test::german()), "360 or 0");
    EXPECT_EQ(boundText(compassPoints()[kNorth].from, test::english()), "349");
    EXPECT_EQ(boundText(compassPoints()[kNorth].to, test::english()), "11");
    EXPECT_EQ(compassPoints()[15].name, "North North West");
    EXPECT_EQ(compassPoints()[5].abbreviation, "ESE");
}

TEST(WholeDegreesText, RoundsHalfAwayFromZeroWithGrouping) {
    const std::vector<std::pair<double, std::string>> cases = {
        {22.7, "23"}, {11.5, "12"},   {360.4, "360"},    {400.7, "401"}, {-0.4, "0"},
        {-0.5, "-1"}, {348.4, "348"}, {1234.5, "1,235"}, {0.49, "0"},    {360.5, "361"}};
    for (const auto& [degrees, text] : cases) {
        EXPECT_EQ(wholeDegreesText(degrees, test::english()), text) << degrees;
    }
    EXPECT_EQ(wholeDegreesText(1234.5, test::german()), "1.235");
}

}  // namespace
}  // namespace nimbaro
