#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

#include "number_text.h"

namespace nimbaro {
namespace {

constexpr int kSignificantDigits = 15;
// The most decimals a fixed-point text is written with in integer arithmetic.
constexpr int kMostFixedDecimals = 18;

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

// value / 10^power for every number of digits a rounding drops, each by a constant divisor,
// which the compiler turns into a multiplication: dividing by a power held in a register takes
// several times as long.
template <std::size_t kPower>
std::uint64_t dividedByTenTo(std::uint64_t value) {
    return value / static_cast<std::uint64_t>(kPowersOfTen[kPower]);
}

constexpr auto kDividersByTenTo = []<std::size_t... kPowers>(std::index_sequence<kPowers...>) {
    return std::array{&dividedByTenTo<kPowers>...};
}
(std::make_index_sequence<kMostFixedDecimals + 1>{});

// The digits formatFixed() shows of a magnitude, as one integer, the last `decimals` of them
// after the point: its 15 significant digits rounded half away from zero at the last decimal,
// as roundedDigits() rounds them. Nothing where the rounding keeps all 15 digits or none of
// them.
std::optional<std::uint64_t> shownInIntegers(double magnitude, int decimals) {
    const std::optional<SignificantInteger> significant = significantInteger(magnitude);
    // The digits dropped by the rounding, each a power of ten that fits in 64 bits.
    const int dropped = significant ? kSignificantDigits - 1 - significant->exponent - decimals : 0;
    if (dropped < 1 || dropped >= kSignificantDigits) {
        return std::nullopt;
    }
    const auto tenToDropped =
        static_cast<std::uint64_t>(kPowersOfTen[static_cast<std::size_t>(dropped)]);
    std::uint64_t shown = kDividersByTenTo[static_cast<std::size_t>(dropped)](significant->digits);
    if (significant->digits - shown * tenToDropped >= tenToDropped / 2) {
        ++shown;
    }
    return shown;
}

// The same digits for most results, from the magnitude times 10^decimals in one rounding,
// rounded half up, into `shown`. Its 15 significant digits lie within 5e-15 of the magnitude,
// and the product within 2^-53 of the true one, so where the product lies farther than 2^-45 of
// it from a half both round to the same integer; false where it lies nearer, or beyond 1 to
// 10^13, where the rounding keeps every digit or none, or the fraction is not exact. The digits
// go out through `shown`, not in an optional, whose copies through memory stall.
template <int kDecimals>
bool shownByOneProduct(double magnitude, std::uint64_t& shown) {
    // Exact as a double.
    constexpr auto kScale =
        static_cast<double>(static_cast<std::uint64_t>(kPowersOfTen[std::size_t{kDecimals}]));
    // Checked first, so that the product cannot overflow and raise a flag a guard would read.
    if (!(magnitude < 1e13)) {
        return false;
    }
    const double scaled = magnitude * kScale;
    if (!(scaled >= 1 && scaled < 1e13)) {
        return false;
    }
    // Positive, so the conversion truncates to its floor.
    const auto whole = static_cast<std::uint64_t>(scaled);
    const double fraction = scaled - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) <= scaled * 0x1p-45) {
        return false;
    }
    shown = whole + (fraction > 0.5 ? 1 : 0);
    return true;
}

// How many digits a number has; 1 for zero.
int digitCount(std::uint64_t value) {
    int count = 1;
    while (count <= std::numeric_limits<std::uint64_t>::digits10 &&
           value >= static_cast<std::uint64_t>(kPowersOfTen[count])) {
        ++count;
    }
    return count;
}

constexpr std::string_view kDigitPairs =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the digits of `value` backwards from `end`, two at a time.
inline void writeDigitsBefore(char* end, std::uint64_t value) {
    while (value >= 100) {
        const std::size_t pair = static_cast<std::size_t>(value % 100) * 2;
        value /= 100;
        end -= 2;
        end[0] = kDigitPairs[pair];
        end[1] = kDigitPairs[pair + 1];
    }
    if (value >= 10) {
        end[-2] = kDigitPairs[static_cast<std::size_t>(value) * 2];
        end[-1] = kDigitPairs[static_cast<std::size_t>(value) * 2 + 1];
    } else {
        end[-1] = static_cast<char>('0' + value);
    }
}

// Writes the `kCount` digits of `value`, which is below 10^kCount, at `out`, zeros first. Up to
// seven digits from one product: value / 10^(kCount - lead) as a fixed-point number with 48
// fraction bits, rounded up, whose integer is the lead digit or two and whose fraction times 100
// gives each next pair. The rounding up errs by less than 10^kCount / 2^48 at the start, 100
// times more at each pair, and stays below the least distance to the next integer,
// 10^-(digits left), while 10^(2 kCount) < 2^48. More digits are written seven at a time.
template <int kCount>
void writeDigits(char* out, std::uint64_t value) {
    constexpr int kMostAtOnce = 7;
    if constexpr (kCount > kMostAtOnce) {
        constexpr auto kTenToMost = static_cast<std::uint64_t>(kPowersOfTen[kMostAtOnce]);
        writeDigits<kCount - kMostAtOnce>(out, value / kTenToMost);
        writeDigits<kMostAtOnce>(out + (kCount - kMostAtOnce), value % kTenToMost);
    } else {
        constexpr int kFractionBits = 48;
        constexpr std::uint64_t kFraction = (std::uint64_t{1} << kFractionBits) - 1;
        constexpr int kLead = 2 - kCount % 2;
        constexpr auto kDivisor = static_cast<std::uint64_t>(kPowersOfTen[kCount - kLead]);
        constexpr std::uint64_t kScale = (kFraction + kDivisor) / kDivisor;
        std::uint64_t scaled = value * kScale;
        const auto pairAt = [&scaled] {
            return &kDigitPairs[static_cast<std::size_t>(scaled >> kFractionBits) * 2];
        };
        if constexpr (kLead == 1) {
            *out++ = pairAt()[1];
        } else {
            out = std::copy_n(pairAt(), 2, out);
        }
        for (int written = kLead; written < kCount; written += 2) {
            scaled = (scaled & kFraction) * 100;
            out = std::copy_n(pairAt(), 2, out);
        }
    }
}

// Writes the digits of `value` from `out`; the end of them. One or two digits, the integer part
// of most results, without a branch: which it is varies from one result to the next. The byte
// after a single digit is written too.
inline char* writeInteger(char* out, std::uint64_t value) {
    if (value < 100) {
        const auto pair = static_cast<std::size_t>(value) * 2;
        const bool two = value >= 10;
        out[0] = kDigitPairs[pair + (two ? 0 : 1)];
        out[1] = kDigitPairs[pair + 1];
        return out + (two ? 2 : 1);
    }
    const int count = digitCount(value);
    writeDigitsBefore(out + count, value);
    return out + count;
}

// The most bytes fixedTextInIntegers() writes: a sign, 15 digits, a separator and 18 decimals,
// with room for a locale's longer signs.
constexpr std::size_t kMostSignBytes =
    kResultTextRoom - std::size_t{kSignificantDigits + kMostFixedDecimals};

// formatFixed() for the usual case, a result of a few digits before the point shown without
// group separators, without a text of its digits: the digits shown found as one integer, then
// written at `out`; the end of the text. Nothing where the rounding keeps all 15 digits or none
// of them, or the locale groups digits. One for each number of decimals, so that the divisions
// by powers of ten are by constants, which the compiler turns into multiplications: dividing by
// a power held in a register takes several times as long.
template <int kDecimals>
char* fixedTextInIntegers(char* out, double value, const NumberLocale& locale) {
    if (!locale.groupSeparator.empty() || value == 0.0 ||
        locale.minusSign.size() + locale.decimalSeparator.size() > kMostSignBytes) {
        return nullptr;
    }
    const double magnitude = std::fabs(value);
    std::uint64_t shown = 0;
    if (!shownByOneProduct<kDecimals>(magnitude, shown)) {
        const std::optional<std::uint64_t> exact = shownInIntegers(magnitude, kDecimals);
        if (!exact) {
            return nullptr;
        }
        shown = *exact;
    }
    constexpr auto kTenToDecimals = static_cast<std::uint64_t>(kPowersOfTen[kDecimals]);
    const std::uint64_t integerPart = shown / kTenToDecimals;
    // A locale's signs are mostly one byte: copied as such, not by a call, and the minus sign
    // without a branch, as results of either sign come in any order.
    const auto put = [&out](const std::string& sign, bool wanted) {
        if (sign.size() == 1) {
            *out = sign.front();
            out += wanted ? 1 : 0;
        } else if (wanted) {
            out = std::copy(sign.begin(), sign.end(), out);
        }
    };
    put(locale.minusSign, std::signbit(value) && shown != 0);
    out = writeInteger(out, integerPart);
    if constexpr (kDecimals > 0) {
        put(locale.decimalSeparator, true);
        writeDigits<kDecimals>(out, shown - integerPart * kTenToDecimals);
        out += kDecimals;
    }
    return out;
}

constexpr auto kFixedTextsInIntegers =
    []<int... kDecimals>(std::integer_sequence<int, kDecimals...>) {
    return std::array{&fixedTextInIntegers<kDecimals>...};
}
(std::make_integer_sequence<int, kMostFixedDecimals + 1>{});

}  // namespace

char* writeResultText(char* out, double value, int decimals, const NumberLocale& locale) {
    if (decimals < 0 || decimals > kMostFixedDecimals) {
        return nullptr;
    }
    return kFixedTextsInIntegers[static_cast<std::size_t>(decimals)](out, value, locale);
}

std::string formatFixed(double value, int decimals, const NumberLocale& locale) {
    std::array<char, kResultTextRoom> buffer;
    if (char* end = writeResultText(buffer.data(), value, decimals, locale)) {
        return std::string(buffer.data(), end);
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

void appendResultText(std::string& out, double value, int decimals, const NumberLocale& locale) {
    std::array<char, kResultTextRoom> buffer;
    if (char* end = writeResultText(buffer.data(), value, decimals, locale)) {
        out.append(buffer.data(), end);
    } else {
        out += formatFixed(value, decimals, locale);
    }
}

}  // namespace nimbaro
