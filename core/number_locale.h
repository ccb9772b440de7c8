#pragma once

#include <string>

namespace nimbaro {

// The user's regional number settings, as UTF-8 texts. The shell fills this from the
// toolkit's locale; core code never asks the platform itself.
struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    std::string minusSign = "-";
};

}  // namespace nimbaro
