#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "number_locale.h"

namespace nimbaro {

// One of the sixteen points: its abbreviation and name, and the whole degrees of its sector
// (both bounds inclusive; North wraps from 349 over 360 and 0 to 11).
struct CompassPoint {
    std::string_view abbreviation;  // "NNE"
    std::string_view name;          // "North North East"
    int from;
    double midPoint;
    int to;
};

inline constexpr std::size_t kNorth = 0;

// Clockwise from North.
const std::array<CompassPoint, 16>& compassPoints();

// The point of that abbreviation or name, without regard to case.
std::optional<std::size_t> findCompassPoint(std::string_view typed);

// The texts of a sector's bounds and of its mid-point as the range section shows them: whole
// numbers, and the mid-point with one decimal, except North's "360 or 0".
std::string boundText(int degrees, const NumberLocale& locale);
std::string midPointText(std::size_t point, const NumberLocale& locale);

// The entry as the degrees box shows it before the range test: a whole number, rounded half
// away from zero, grouped.
std::string wholeDegreesText(double degrees, const NumberLocale& locale);

// The point whose sector holds `degrees`; nothing unless -1 < degrees < 361 and a sector
// holds it (so a fraction between two sectors is refused too).
std::optional<std::size_t> compassPointFor(double degrees);

// The point of a number of degrees as the degrees box takes it: for the whole number it shows,
// rounded half away from zero. Nothing for a number that is not finite or has no sector.
std::optional<std::size_t> compassPointOfDegrees(double degrees);

// The point of a direction typed as a compass point or as a number of degrees.
std::optional<std::size_t> compassPointOf(std::string_view typed, const NumberLocale& locale);

// What a direction that has no point is not.
inline constexpr std::string_view kNoCompassPoint =
    "is neither a compass point nor a whole number of degrees from 0 to 360";

}  // namespace nimbaro
