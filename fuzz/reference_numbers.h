#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "number_locale.h"

// Reference answers for the fuzz targets, found by the C library (printf and strtod) rather
// than by the code under test, and the plumbing every target shares.
namespace nimbaro::fuzz {

// English, German and French number settings: every target checks each input in all three.
const std::array<NumberLocale, 3>& locales();

// The input as a double: eight bytes are its bit pattern, anything else is read as a decimal
// text by the C library, so that a corpus can hold readable values such as 1.005 or 2.5.
std::optional<double> valueFrom(std::string_view bytes);

// |value| rounded to 15 significant digits by printf: "d.dddddddddddddde+x".
std::string fifteenDigits(double value);

// The decimal exponent of `value`'s first significant digit after rounding to 15 digits.
int fifteenDigitExponent(double value);

// The value rounded to 15 significant digits and then half away from zero to `decimals`
// places, as a decimal text ("-12345e-2").
std::string roundedToDecimals(double value, int decimals);

// A decimal text in C form read by strtod: infinity when it lies beyond the double range.
double readDecimal(const std::string& text);

// An accepted number text in C form: blanks around dropped, group separators dropped, the
// locale's decimal separator and minus sign replaced by '.' and '-'.
std::string inCForm(std::string_view text, const NumberLocale& locale);

// Two doubles that are the same value with the same sign.
bool sameValue(double a, double b);

// Ends the run with a report when a property does not hold; libFuzzer keeps the input.
void require(bool holds, std::string_view property, std::string_view detail);

}  // namespace nimbaro::fuzz
