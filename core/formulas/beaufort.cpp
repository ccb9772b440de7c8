#include "beaufort.h"

#include <algorithm>

namespace nimbaro {
namespace {

constexpr std::array<std::string_view, 13> kBeaufortDescriptions{
    "Calm",         "Light air",     "Light breeze",    "Gentle breeze", "Moderate breeze",
    "Fresh breeze", "Strong breeze", "Near gale",       "Gale",          "Strong gale",
    "Storm",        "Violent storm", "Hurricane force",
};

}  // namespace

std::optional<int> beaufortForce(double metresPerSecond) {
    if (!(metresPerSecond >= 0)) {
        return std::nullopt;
    }
    // The count of least speeds the wind reaches is its force.
    const auto reached =
        std::upper_bound(kBeaufortLeastSpeeds.begin(), kBeaufortLeastSpeeds.end(), metresPerSecond);
    return static_cast<int>(reached - kBeaufortLeastSpeeds.begin());
}

std::string_view beaufortDescription(int force) {
    if (force < 0 || force >= static_cast<int>(kBeaufortDescriptions.size())) {
        return {};
    }
    return kBeaufortDescriptions[static_cast<std::size_t>(force)];
}

}  // namespace nimbaro
