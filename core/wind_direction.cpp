#include "wind_direction.h"

#include <cmath>

#include "number_text.h"
#include "text_match.h"

namespace nimbaro {
namespace {

constexpr std::size_t kNorthNorthWest = 15;

bool inSector(double degrees, int from, int to) {
    return from <= degrees && degrees <= to;
}

}  // namespace

const std::array<CompassPoint, 16>& compassPoints() {
    static constexpr std::array<CompassPoint, 16> points = {{
        // North's mid-point is shown as "360 or 0" instead.
        {"N", "North", 349, 0.0, 11},
        {"NNE", "North North East", 12, 22.5, 33},
        {"NE", "North East", 34, 45.0, 56},
        {"ENE", "East North East", 57, 67.5, 78},
        {"E", "East", 79, 90.0, 101},
        {"ESE", "East South East", 102, 112.5, 123},
        {"SE", "South East", 124, 135.0, 146},
        {"SSE", "South South East", 147, 157.5, 168},
        {"S", "South", 169, 180.0, 191},
        {"SSW", "South South West", 192, 202.5, 213},
        {"SW", "South West", 214, 225.0, 236},
        {"WSW", "West South West", 237, 247.5, 258},
        {"W", "West", 259, 270.0, 281},
        {"WNW", "West North West", 282, 292.5, 303},
        {"NW", "North West", 304, 315.0, 326},
        {"NNW", "North North West", 327, 337.5, 348},
    }};
    return points;
}

std::optional<std::size_t> findCompassPoint(std::string_view typed) {
    const auto& points = compassPoints();
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (sameName(typed, points[i].abbreviation) || sameName(typed, points[i].name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string boundText(int degrees, const NumberLocale& locale) {
    return numberToText(degrees, locale);
}

std::string midPointText(std::size_t point, const NumberLocale& locale) {
    if (point == kNorth) {
        return "360 or 0";
    }
    return formatFixed(compassPoints().at(point).midPoint, 1, locale);
}

std::string wholeDegreesText(double degrees, const NumberLocale& locale) {
    return formatFixed(degrees, 0, locale);
}

std::optional<std::size_t> compassPointFor(double degrees) {
    if (!(degrees > -1 && degrees < 361)) {
        return std::nullopt;
    }
    const auto& points = compassPoints();
    // North North West is tested first, then North's two arcs, then the rest clockwise.
    if (inSector(degrees, points[kNorthNorthWest].from, points[kNorthNorthWest].to)) {
        return kNorthNorthWest;
    }
    if (inSector(degrees, points[kNorth].from, 360) || inSector(degrees, 0, points[kNorth].to)) {
        return kNorth;
    }
    for (std::size_t point = kNorth + 1; point < kNorthNorthWest; ++point) {
        if (inSector(degrees, points[point].from, points[point].to)) {
            return point;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> compassPointOfDegrees(double degrees) {
    if (!std::isfinite(degrees)) {
        return std::nullopt;
    }
    const NumberLocale plain = plainNumberLocale();
    return compassPointFor(parseNumber(wholeDegreesText(degrees, plain), plain).value());
}

std::optional<std::size_t> compassPointOf(std::string_view typed, const NumberLocale& locale) {
    if (const std::optional<std::size_t> point = findCompassPoint(typed)) {
        return point;
    }
    const std::optional<double> degrees = parseNumber(typed, locale);
    return degrees ? compassPointOfDegrees(*degrees) : std::nullopt;
}

}  // namespace nimbaro
