#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "number_text.h"

namespace nimbaro {
namespace {

constexpr int kSignificantDigits = 15;

// |value| correctly rounded to 15 significant digits: d.dddddddddddddd × 10^exponent.
struct SignificantDigits {
    std::array<char, kSignificantDigits> digits;
    int exponent = 0;

    std::string_view text() const { return {digits.data(), digits.size()}; }
};

// The exponent to_chars writes after its 'e': a sign and two or three digits.
int exponentAt(const char* sign, const char* end) {
    int exponent = 0;
    for (const char* digit = sign + 1; digit != end; ++digit) {
        exponent = exponent * 10 + (*digit - '0');
    }
    return *sign == '-' ? -exponent : exponent;
}

// By to_chars with a precision: exact, but several times slower than the shortest form.
SignificantDigits roundedSignificantDigits(double magnitude) {
    // "d.dddddddddddddde+dd", with two or three exponent digits.
    std::array<char, 32> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    constexpr std::size_t kExponentSign = kSignificantDigits + 2;
    SignificantDigits result;
    result.digits[0] = buffer[0];
    std::copy_n(buffer.data() + 2, kSignificantDigits - 1, result.digits.data() + 1);
    result.exponent = exponentAt(buffer.data() + kExponentSign, written.ptr);
    return result;
}

// The shortest text that reads back as a normal value lies within half a unit in its last
// place, closer than any 15-digit rounding boundary can be unless it is one: rounded to 15
// digits it gives the value's own rounding. A 16-digit shortest text ending in 5 may be such a
// boundary, which the value itself need not be on, and a subnormal value has fewer than 15
// digits of precision: those take the exact way.
SignificantDigits significantDigits(double value) {
    const double magnitude = std::fabs(value);
    if (magnitude < std::numeric_limits<double>::min()) {
        return roundedSignificantDigits(magnitude);
    }
    // "d.ddde+dd", or "de+dd" for a single digit: at most 17 digits.
    std::array<char, 32> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific);
    std::array<char, 17> digits;
    std::size_t count = 0;
    const char* at = buffer.data();
    for (; *at != 'e'; ++at) {
        if (*at != '.') {
            digits[count++] = *at;
        }
    }
    if (count == kSignificantDigits + 1 && digits[kSignificantDigits] == '5') {
        return roundedSignificantDigits(magnitude);
    }
    SignificantDigits result;
    result.exponent = exponentAt(at + 1, written.ptr);
    const bool roundUp = count > kSignificantDigits && digits[kSignificantDigits] >= '5';
    for (std::size_t i = count; i < kSignificantDigits; ++i) {
        digits[i] = '0';
    }
    std::copy_n(digits.begin(), kSignificantDigits, result.digits.begin());
    if (roundUp) {
        auto last = result.digits.rbegin();
        for (; last != result.digits.rend() && *last == '9'; ++last) {
            *last = '0';
        }
        if (last != result.digits.rend()) {
            ++*last;
        } else {
            result.digits[0] = '1';
            ++result.exponent;
        }
    }
    return result;
}

}  // namespace

std::string numberToText(double value, const NumberLocale& locale) {
    if (value == 0.0) {
        return "0";
    }
    const SignificantDigits significant = significantDigits(value);
    std::string digits(significant.text());
    digits.erase(digits.find_last_not_of('0') + 1);
    const int exponent = significant.exponent;

    std::string text = std::signbit(value) ? locale.minusSign : std::string();
    if (exponent >= -5 && exponent < kSignificantDigits) {
        if (exponent >= 0) {
            const auto integerLength = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() < integerLength) {
                digits.resize(integerLength, '0');
            }
            text += digits.substr(0, integerLength);
            if (digits.size() > integerLength) {
                text += locale.decimalSeparator + digits.substr(integerLength);
            }
        } else {
            text += "0" + locale.decimalSeparator +
                    std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        }
        return text;
    }
    text += digits[0];
    if (digits.size() > 1) {
        text += locale.decimalSeparator + digits.substr(1);
    }
    const std::string exponentDigits = std::to_string(std::abs(exponent));
    text += exponent < 0 ? "E-" : "E+";
    text += (exponentDigits.size() < 2 ? "0" : "") + exponentDigits;
    return text;
}

std::string formatFixed(double value, int decimals, const NumberLocale& locale) {
    // The decimal digits, the point after `pointPosition` of them; one place in front for a
    // carry out of the first digit.
    std::array<char, kSignificantDigits + 1> buffer;
    char* digits = buffer.data() + 1;
    int count = 1;
    int pointPosition = 1;
    digits[0] = '0';
    if (value != 0.0) {
        const SignificantDigits significant = significantDigits(value);
        std::copy(significant.digits.begin(), significant.digits.end(), digits);
        count = kSignificantDigits;
        pointPosition = significant.exponent + 1;
    }

    // Keeps the digits down to the last decimal, rounded half away from zero.
    const int kept = pointPosition + decimals;
    if (kept < 0) {
        count = 0;
    } else if (kept < count) {
        const bool roundUp = digits[kept] >= '5';
        count = kept;
        int at = count - 1;
        for (; roundUp && at >= 0 && digits[at] == '9'; --at) {
            digits[at] = '0';
        }
        if (roundUp && at >= 0) {
            ++digits[at];
        } else if (roundUp) {
            *--digits = '1';
            ++count;
            ++pointPosition;
        }
    }
    const auto digitAt = [&](int index) {
        return index >= 0 && index < count ? digits[index] : '0';
    };

    const bool showsAsZero = std::all_of(digits, digits + count, [](char c) { return c == '0'; });
    const std::string_view minus =
        std::signbit(value) && !showsAsZero ? std::string_view(locale.minusSign) : "";
    const std::string_view group = locale.groupSeparator;
    const std::string_view point = decimals > 0 ? std::string_view(locale.decimalSeparator) : "";
    const auto integerLength = static_cast<std::size_t>(std::max(pointPosition, 1));
    const std::size_t groups = (integerLength - 1) / 3;
    // Sized once and written in place: this runs for every result of every row of a log.
    std::string text(minus.size() + integerLength + groups * group.size() + point.size() +
                         static_cast<std::size_t>(decimals),
                     '0');
    char* out = std::copy(minus.begin(), minus.end(), text.data());
    for (int index = 0; index < pointPosition; ++index) {
        if (index > 0 && (pointPosition - index) % 3 == 0) {
            out = std::copy(group.begin(), group.end(), out);
        }
        *out++ = digitAt(index);
    }
    out += pointPosition <= 0 ? 1 : 0;
    out = std::copy(point.begin(), point.end(), out);
    for (int index = pointPosition; index < pointPosition + decimals; ++index) {
        *out++ = digitAt(index);
    }
    return text;
}

bool isShowable(double value) {
    if (!std::isfinite(value)) {
        return false;
    }
    // Below 1E+308 even a rounding up at 15 digits stays at 1E+308 or under.
    if (std::fabs(value) < 1e308) {
        return true;
    }
    // The largest double, 1.7976931348623157E+308, already rounds up to an overflow at 15 digits.
    constexpr std::string_view kLargestShowable = "179769313486231";
    const SignificantDigits significant = significantDigits(value);
    return significant.exponent < 308 || significant.text() <= kLargestShowable;
}

// Formatting the value itself gives the same digits as formatting its 15-digit text read back:
// both start from the same 15 significant digits.
std::string resultText(double value, int decimals, const NumberLocale& locale) {
    return formatFixed(value, decimals, locale);
}

}  // namespace nimbaro
