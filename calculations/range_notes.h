#pragma once

#include <string_view>

namespace nimbaro::range_notes {

// What a calculation window says under its outputs when a result lies outside the range its
// formula is meant for. Each fits on one line.
inline constexpr std::string_view kHeatIndexBelow80F =
    "Heat index formula is meant for 80 °F (26.7 °C) and above";
inline constexpr std::string_view kWindChillAbove50F =
    "New formula is meant for 50 °F (10 °C) and below";
inline constexpr std::string_view kWindChillBelow3Mph =
    "New formula is meant for winds of 3 mph (4.8 km/h) and above";
inline constexpr std::string_view kWindChillOutsideBoth =
    "New formula is meant for 50 °F and below, winds of 3 mph and above";
inline constexpr std::string_view kDewPointAboveAir =
    "Dew point above air temperature: humidity over 100 %";
inline constexpr std::string_view kWetBulbAboveAir =
    "Wet bulb above air temperature: humidity over 100 %";
inline constexpr std::string_view kNoCloudBase = "No cloud base: dew point above air temperature";
inline constexpr std::string_view kNegativeSpeedOfSound =
    "Speed of sound below zero at this air temperature";

}  // namespace nimbaro::range_notes
