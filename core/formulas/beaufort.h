#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace nimbaro {

// The Beaufort scale of wind force as the WMO tabulates it (Manual on Marine Meteorological
// Services, WMO-No. 558, and the Guide to Instruments and Methods of Observation, WMO-No. 8), by
// its speeds in metres per second at 10 m: the least speed of forces 1 to 12. Its knot column
// (1–3, 4–6, 7–10, 11–16, 17–21, 22–27, 28–33, 34–40, 41–47, 48–55, 56–63, 64 and over) is
// rounded separately and differs near some bounds: 16 kn (8.23 m/s) is force 4 by the knots
// and 5 here, 21 kn (10.80 m/s) force 5 by the knots and 6 here.
inline constexpr std::array<double, 12> kBeaufortLeastSpeeds{
    0.3, 1.6, 3.4, 5.5, 8.0, 10.8, 13.9, 17.2, 20.8, 24.5, 28.5, 32.7,
};

// The force of a wind speed in metres per second, 0 to 12. A force runs from its least speed up
// to the next force's, that one excluded: a speed on a bound (10.8 m/s) is the higher force, and
// one between the table's figures (13.85 m/s, above force 6's 13.8 and below force 7's 13.9)
// the lower. None for a speed below zero or not a number.
std::optional<int> beaufortForce(double metresPerSecond);

// The WMO's description of a force: "Calm", "Light air", "Light breeze", "Gentle breeze",
// "Moderate breeze", "Fresh breeze", "Strong breeze", "Near gale", "Gale", "Strong gale",
// "Storm", "Violent storm", "Hurricane force". Empty for a number outside 0 to 12.
std::string_view beaufortDescription(int force);

}  // namespace nimbaro
