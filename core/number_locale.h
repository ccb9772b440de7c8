#pragma once

#include <string>
#include <string_view>

namespace nimbaro {

// The user's regional number settings, as UTF-8 texts. The shell fills this from the
// toolkit's locale; core code never asks the platform itself.
struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    std::string minusSign = "-";
    // Digits in the group before the decimal separator, and in each group further left: 3
    // and 3 in most places, 3 and 2 in India (12,34,56,789.5).
    int firstGroupDigits = 3;
    int laterGroupDigits = 3;
};

// What scripts expect: "." before the decimals and no group separators, so that a "," is not
// part of a number.
inline NumberLocale plainNumberLocale() {
    return NumberLocale{.decimalSeparator = ".", .groupSeparator = "", .minusSign = "-"};
}

// A locale's number forms from its C library conventions (localeconv()'s decimal_point,
// thousands_sep and grouping, the separators in UTF-8): "." where it names no decimal
// separator, and no group separator where its grouping is one the engine cannot follow (no
// groups, or group sizes that change more than once).
NumberLocale conventionsLocale(std::string decimalSeparator, std::string groupSeparator,
                               std::string_view grouping);

}  // namespace nimbaro
