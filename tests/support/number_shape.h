#pragma once

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

}  // namespace nimbaro::test
