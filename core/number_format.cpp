#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "number_text.h"

namespace nimbaro {
namespace {

constexpr int kSignificantDigits = 15;

// |value| correctly rounded to 15 significant digits: d.dddddddddddddd × 10^exponent.
struct SignificantDigits {
    std::array<char, kSignificantDigits> digits{};
    int exponent = 0;

    std::string_view text() const { return {digits.data(), digits.size()}; }
};

SignificantDigits significantDigitsByText(double magnitude) {
    std::array<char, 40> buffer{};
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, kSignificantDigits - 1)
                          .ptr;
    // The text is "d.ddddddddddddddde+dd": the first digit, the point, 14 digits, the exponent.
    SignificantDigits result;
    result.digits[0] = buffer[0];
    std::copy_n(buffer.data() + 2, kSignificantDigits - 1, result.digits.data() + 1);
    const char* exponent = buffer.data() + kSignificantDigits + 2;
    if (*exponent == '+') {
        ++exponent;
    }
    std::from_chars(exponent, end, result.exponent);
    return result;
}

__extension__ using Wide = unsigned __int128;

constexpr std::uint64_t kSmallestFifteenDigits = 100'000'000'000'000;
constexpr int kLargestScale = 22;

constexpr std::array<Wide, kLargestScale + 1> kPowersOfTen = [] {
    std::array<Wide, kLargestScale + 1> powers{};
    powers[0] = 1;
    for (std::size_t k = 1; k < powers.size(); ++k) {
        powers[k] = powers[k - 1] * 10;
    }
    return powers;
}();

// The 15 significant digits of a magnitude as an integer, d × 10^(exponent − 14).
struct SignificantInteger {
    std::uint64_t digits;
    int exponent;
};

// The digits of the magnitudes most results have, 1e-7 up to 1e15, in integer arithmetic: the
// magnitude is mantissa / 2^shift, so its 15 digits are mantissa × 10^scale / 2^shift, rounded
// to nearest with ties to even as to_chars() rounds; mantissa × 10^22 fits in 128 bits.
std::optional<SignificantInteger> significantInteger(double magnitude) {
    if (!(magnitude >= 1e-7 && magnitude < 1e15)) {
        return std::nullopt;
    }
    constexpr int kMantissaBits = 52;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biasedExponent = static_cast<int>(bits >> kMantissaBits);
    const std::uint64_t implicitOne = std::uint64_t{1} << kMantissaBits;
    const std::uint64_t mantissa = (bits & (implicitOne - 1)) | implicitOne;
    const int binaryExponent = biasedExponent - 1023;
    const int shift = kMantissaBits - binaryExponent;
    // floor(binaryExponent × log10(2)); the decimal exponent is that or one more.
    int exponent = (binaryExponent * 78913) >> 18;
    for (;;) {
        const int scale = kSignificantDigits - 1 - exponent;
        if (scale < 0 || scale > kLargestScale) {
            return std::nullopt;
        }
        const Wide scaled = Wide{mantissa} * kPowersOfTen[static_cast<std::size_t>(scale)];
        auto leading = static_cast<std::uint64_t>(scaled >> shift);
        if (leading >= kSmallestFifteenDigits * 10) {
            ++exponent;
            continue;
        }
        if (leading < kSmallestFifteenDigits) {
            --exponent;
            continue;
        }
        const Wide rest = scaled - (Wide{leading} << shift);
        const Wide half = Wide{1} << (shift - 1);
        if (rest > half || (rest == half && leading % 2 == 1)) {
            ++leading;
        }
        if (leading == kSmallestFifteenDigits * 10) {
            leading = kSmallestFifteenDigits;
            ++exponent;
        }
        return SignificantInteger{leading, exponent};
    }
}

std::optional<SignificantDigits> significantDigitsInIntegers(double magnitude) {
    const std::optional<SignificantInteger> integer = significantInteger(magnitude);
    if (!integer) {
        return std::nullopt;
    }
    SignificantDigits result;
    std::to_chars(result.digits.data(), result.digits.data() + result.digits.size(),
                  integer->digits);
    result.exponent = integer->exponent;
    return result;
}

SignificantDigits significantDigits(double value) {
    const double magnitude = std::fabs(value);
    if (const std::optional<SignificantDigits> digits = significantDigitsInIntegers(magnitude)) {
        return *digits;
    }
    return significantDigitsByText(magnitude);
}

// The value's 15 significant digits rounded half away from zero to the digits before the point
// and `decimals` after it, with where the point stands among them.
struct RoundedDigits {
    // The digits start one place into the buffer, leaving room for a carry out of the first.
    std::array<char, kSignificantDigits + 1> buffer{};
    int first = 1;
    int count = 1;
    int pointPosition = 1;

    std::string_view digits() const {
        return {buffer.data() + first, static_cast<std::size_t>(count)};
    }
};

RoundedDigits roundedDigits(double value, int decimals) {
    RoundedDigits rounded;
    char* digits = rounded.buffer.data() + 1;
    if (value == 0.0) {
        digits[0] = '0';
    } else {
        const SignificantDigits significant = significantDigits(value);
        std::copy(significant.digits.begin(), significant.digits.end(), digits);
        rounded.count = kSignificantDigits;
        rounded.pointPosition = significant.exponent + 1;
    }
    const int kept = rounded.pointPosition + decimals;
    if (kept < 0) {
        rounded.count = 0;
    } else if (kept < rounded.count) {
        const bool roundUp = digits[kept] >= '5';
        rounded.count = kept;
        int last = rounded.count - 1;
        while (roundUp && last >= 0 && digits[last] == '9') {
            digits[last--] = '0';
        }
        if (roundUp && last >= 0) {
            ++digits[last];
        } else if (roundUp) {
            digits[-1] = '1';
            rounded.first = 0;
            ++rounded.count;
            ++rounded.pointPosition;
        }
    }
    return rounded;
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

namespace {

// formatFixed() for the usual case, a result of a few digits before the point shown without
// group separators, all in integer arithmetic: the 15 significant digits rounded half away from
// zero at the last decimal, as roundedDigits() rounds them, then written out. Nothing where the
// rounding keeps all 15 digits or none of them, or the locale groups digits.
std::optional<std::string> formatFixedInIntegers(double value, int decimals,
                                                 const NumberLocale& locale) {
    constexpr int kMostDecimals = 18;
    if (!locale.groupSeparator.empty() || value == 0.0 || decimals < 0 ||
        decimals > kMostDecimals) {
        return std::nullopt;
    }
    const std::optional<SignificantInteger> significant = significantInteger(std::fabs(value));
    // The digits dropped by the rounding, each a power of ten that fits in 64 bits.
    const int dropped = significant ? kSignificantDigits - 1 - significant->exponent - decimals : 0;
    if (dropped < 1 || dropped >= kSignificantDigits) {
        return std::nullopt;
    }
    const auto tenToDropped =
        static_cast<std::uint64_t>(kPowersOfTen[static_cast<std::size_t>(dropped)]);
    std::uint64_t shown = significant->digits / tenToDropped;
    if (significant->digits % tenToDropped >= tenToDropped / 2) {
        ++shown;
    }
    const auto tenToDecimals =
        static_cast<std::uint64_t>(kPowersOfTen[static_cast<std::size_t>(decimals)]);
    std::array<char, 48> buffer{};
    char* out = buffer.data();
    if (std::signbit(value) && shown != 0) {
        out = std::copy(locale.minusSign.begin(), locale.minusSign.end(), out);
    }
    out = std::to_chars(out, buffer.data() + buffer.size(), shown / tenToDecimals).ptr;
    if (decimals > 0) {
        out = std::copy(locale.decimalSeparator.begin(), locale.decimalSeparator.end(), out);
        char* fraction = out;
        out += decimals;
        std::fill(fraction, out, '0');
        std::uint64_t rest = shown % tenToDecimals;
        for (char* digit = out; rest != 0; rest /= 10) {
            *--digit = static_cast<char>('0' + rest % 10);
        }
    }
    return std::string(buffer.data(), out);
}

}  // namespace

std::string formatFixed(double value, int decimals, const NumberLocale& locale) {
    if (std::optional<std::string> text = formatFixedInIntegers(value, decimals, locale)) {
        return std::move(*text);
    }
    const RoundedDigits shown = roundedDigits(value, decimals);
    const std::string_view rounded = shown.digits();
    const char* digits = rounded.data();
    const int count = shown.count;
    const int pointPosition = shown.pointPosition;

    const bool negative =
        std::signbit(value) && rounded.find_first_not_of('0') != std::string_view::npos;
    // Written in place into a text of its exact length, filled with the zeros that pad the
    // integer digits and the decimals.
    const auto integerLength = static_cast<std::size_t>(std::max(pointPosition, 1));
    const auto decimalsLength = static_cast<std::size_t>(decimals);
    const auto first = static_cast<std::size_t>(locale.firstGroupDigits);
    const auto later = static_cast<std::size_t>(locale.laterGroupDigits);
    const std::size_t separators =
        integerLength > first ? 1 + (integerLength - first - 1) / later : 0;
    std::string text((negative ? locale.minusSign.size() : 0) + integerLength +
                         separators * locale.groupSeparator.size() +
                         (decimals > 0 ? locale.decimalSeparator.size() + decimalsLength : 0),
                     '0');
    char* out = text.data();
    const auto put = [&out](std::string_view piece) {
        out = std::copy(piece.begin(), piece.end(), out);
    };
    if (negative) {
        put(locale.minusSign);
    }
    for (int i = 0; i < pointPosition; ++i) {
        // Digits to the right of this one, up to the decimal separator.
        const int right = pointPosition - i;
        if (i > 0 && (right == locale.firstGroupDigits ||
                      (right > locale.firstGroupDigits &&
                       (right - locale.firstGroupDigits) % locale.laterGroupDigits == 0))) {
            put(locale.groupSeparator);
        }
        *out++ = i < count ? digits[i] : '0';
    }
    if (pointPosition <= 0) {
        ++out;
    }
    if (decimals > 0) {
        put(locale.decimalSeparator);
        // Rounding kept no digit beyond the last decimal.
        if (pointPosition > 0) {
            put(rounded.substr(std::min(rounded.size(), integerLength)));
        } else if (-pointPosition < decimals) {
            out += -pointPosition;
            put(rounded);
        }
    }
    return text;
}

bool isShowable(double value) {
    if (!std::isfinite(value)) {
        return false;
    }
    // Below 1e308 the 15 digits have an exponent under 308 or round up to exactly 1E+308.
    if (std::fabs(value) < 1e308) {
        return true;
    }
    // The largest double, 1.7976931348623157E+308, already rounds up to an overflow at 15 digits.
    constexpr std::string_view kLargestShowable = "179769313486231";
    const SignificantDigits significant = significantDigits(value);
    return significant.exponent < 308 || significant.text() <= kLargestShowable;
}

double shownValue(double value, int decimals) {
    const RoundedDigits shown = roundedDigits(value, decimals);
    const std::string_view digits = shown.digits();
    if (digits.find_first_not_of('0') == std::string_view::npos) {
        return 0;
    }
    // The digits as an integer times a power of ten, read as from_chars() reads any text.
    std::array<char, kSignificantDigits + 16> text{};
    char* out = text.data();
    if (std::signbit(value)) {
        *out++ = '-';
    }
    out = std::copy(digits.begin(), digits.end(), out);
    *out++ = 'e';
    out = std::to_chars(out, text.data() + text.size(), shown.pointPosition - shown.count).ptr;
    double read = 0;
    std::from_chars(text.data(), out, read);
    return read;
}

// Formatting the value itself gives the same digits as formatting its 15-digit text read back:
// both start from the same 15 significant digits.
std::string resultText(double value, int decimals, const NumberLocale& locale) {
    return formatFixed(value, decimals, locale);
}

}  // namespace nimbaro
