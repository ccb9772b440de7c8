#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "number_locale.h"

namespace nimbaro {

// The one number parser: the numeric test and the text-to-number conversion both use it,
// so every text that passes the test converts. Returns nothing for a text that is not a
// number or whose value lies outside the double range; an underflow reads as zero.
std::optional<double> parseNumber(std::string_view text, const NumberLocale& locale);
// The same number put into `number`; false for a text that is not one. For a caller that reads
// many: returning an optional's double and flag goes through memory and stalls.
bool parseNumber(std::string_view text, const NumberLocale& locale, double& number);

// Whether a text is written as a number but lies beyond the double range (1e309), which
// parseNumber() refuses like any text that is no number.
bool isBeyondNumberRange(std::string_view text, const NumberLocale& locale);

inline bool isNumeric(std::string_view text, const NumberLocale& locale) {
    return parseNumber(text, locale).has_value();
}

// Plain number-to-text conversion: at most 15 significant digits, no grouping, exponent
// form (1.5E+20, 1E-07) outside 1e-5 <= |x| < 1e15. The value must be finite.
std::string numberToText(double value, const NumberLocale& locale);

// Whether a value can be a result: it is finite and its 15-digit text reads back (a value at
// the very top of the double range rounds up to a text that would read as an overflow).
bool isShowable(double value);

// The text a result shows: the value's 15-digit plain number text, rewritten with `decimals`
// places as formatFixed() writes them. The value must be showable.
std::string resultText(double value, int decimals, const NumberLocale& locale);
// The same text appended to `out`, written straight into it: a log writes one for every result
// of every row.
void appendResultText(std::string& out, double value, int decimals, const NumberLocale& locale);

// The room writeResultText() needs.
inline constexpr std::size_t kResultTextRoom = 48;
// The same text for the usual result, written at `out`, which has kResultTextRoom bytes of room;
// the end of the text. Nothing where the text is not of that kind (a locale that groups digits,
// a result of more than 13 digits before the point), which resultText() then writes.
char* writeResultText(char* out, double value, int decimals, const NumberLocale& locale);

// The value a result shows, read back (formatFixed() read by parseNumber()), found without a
// text of its own so that judging a result allocates nothing. The value must be showable.
double shownValue(double value, int decimals);

// The value at 15 significant digits, rounded half away from zero to `decimals` places,
// with grouped integer digits, a leading zero and no minus sign on a value that shows as
// zero. The value must be finite.
std::string formatFixed(double value, int decimals, const NumberLocale& locale);

}  // namespace nimbaro
