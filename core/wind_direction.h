#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "number_locale.h"

namespace nimbaro {

// One of the sixteen points: its option, the whole degrees of its sector (both bounds
// inclusive; North wraps from 349 over 360 and 0 to 11) and the texts the window shows.
struct CompassPoint {
    std::string_view optionName;
    std::string_view caption;
    std::string_view tooltip;
    int from;
    double midPoint;
    int to;
    std::string_view abbreviation;
    std::string_view words;
};

inline constexpr std::size_t kNorth = 0;

// Clockwise from North, which is also the options' tab order.
const std::array<CompassPoint, 16>& compassPoints();

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

}  // namespace nimbaro
