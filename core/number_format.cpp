#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "number_text.h"

namespace nimbaro {
namespace {

constexpr int kSignificantDigits = 15;

// |value| correctly rounded to 15 significant digits: d.dddddddddddddd × 10^exponent.
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};

SignificantDigits significantDigits(double value) {
    std::array<char, 40> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t exponentMark = text.find('e');
    SignificantDigits result15;
    result15.digits.reserve(kSignificantDigits);
    result15.digits += text[0];
    result15.digits.append(text.substr(2, exponentMark - 2));
    result15.exponent = std::atoi(std::string(text.substr(exponentMark + 1)).c_str());
    return result15;
}

std::string groupThousands(const std::string& integerDigits, const std::string& separator) {
    std::string grouped;
    const std::size_t length = integerDigits.size();
    for (std::size_t i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0) {
            grouped += separator;
        }
        grouped += integerDigits[i];
    }
    return grouped;
}

// Rounds the decimal digits (the point after `pointPosition` of them) to `kept` digits, half
// away from zero; a carry out of the first digit moves the point one place right.
void roundDigits(std::string& digits, int& pointPosition, int kept) {
    if (kept < 0) {
        digits.clear();
        return;
    }
    if (kept >= static_cast<int>(digits.size())) {
        return;
    }
    const bool roundUp = digits[static_cast<std::size_t>(kept)] >= '5';
    digits.resize(static_cast<std::size_t>(kept));
    if (!roundUp) {
        return;
    }
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    ++pointPosition;
}

}  // namespace

std::string numberToText(double value, const NumberLocale& locale) {
    if (value == 0.0) {
        return "0";
    }
    SignificantDigits significant = significantDigits(value);
    std::string& digits = significant.digits;
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
    std::string digits = "0";
    int pointPosition = 1;
    if (value != 0.0) {
        SignificantDigits significant = significantDigits(value);
        digits = std::move(significant.digits);
        pointPosition = significant.exponent + 1;
    }
    roundDigits(digits, pointPosition, pointPosition + decimals);

    std::string integerDigits = "0";
    std::string fraction;
    if (pointPosition > 0) {
        integerDigits = digits.substr(0, static_cast<std::size_t>(pointPosition));
        integerDigits.resize(static_cast<std::size_t>(pointPosition), '0');
        if (digits.size() > static_cast<std::size_t>(pointPosition)) {
            fraction = digits.substr(static_cast<std::size_t>(pointPosition));
        }
    } else if (!digits.empty()) {
        fraction = std::string(static_cast<std::size_t>(-pointPosition), '0') + digits;
    }
    fraction.resize(static_cast<std::size_t>(decimals), '0');

    const bool showsAsZero = digits.find_first_not_of('0') == std::string::npos;
    std::string text = std::signbit(value) && !showsAsZero ? locale.minusSign : std::string();
    text += groupThousands(integerDigits, locale.groupSeparator);
    if (decimals > 0) {
        text += locale.decimalSeparator + fraction;
    }
    return text;
}

bool isShowable(double value) {
    if (!std::isfinite(value)) {
        return false;
    }
    // The largest double, 1.7976931348623157E+308, already rounds up to an overflow at 15 digits.
    constexpr std::string_view kLargestShowable = "179769313486231";
    const SignificantDigits significant = significantDigits(value);
    return significant.exponent < 308 || significant.digits <= kLargestShowable;
}

// Formatting the value itself gives the same digits as formatting its 15-digit text read back:
// both start from the same 15 significant digits.
std::string resultText(double value, int decimals, const NumberLocale& locale) {
    return formatFixed(value, decimals, locale);
}

}  // namespace nimbaro
