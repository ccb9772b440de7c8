#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "number_locale.h"

namespace nimbaro::test {

// The exact form fixed formatting gives: an optional minus sign, the integer digits grouped in
// threes without a leading zero (a lone 0 before the separator), and exactly `decimals` digits
// after the decimal separator. A value that shows as zero carries no minus sign.
bool isFixedNumberText(std::string_view text, int decimals, const NumberLocale& locale);

// The exact form plain number text takes: "0", or an optional minus sign and either at most 15
// significant digits written out without grouping or trailing fraction zeros, or one nonzero
// digit, an optional fraction and an exponent of at least two digits ("1.5E+20", "1E-07").
bool isPlainNumberText(std::string_view text, const NumberLocale& locale);

// What an output label once held in two steps, kept as the reference the results are checked
// against: the value's plain number text (nothing for a value that is not finite, or whose
// 15-digit text would read back as an overflow), and a number text rewritten with `decimals`
// places (nothing when the text is not a number).
std::optional<std::string> outputNumberText(double value, const NumberLocale& locale);
std::optional<std::string> reformatNumberText(std::string_view text, int decimals,
                                              const NumberLocale& locale);

}  // namespace nimbaro::test
