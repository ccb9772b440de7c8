#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

#include "number_text.h"

namespace nimbaro {
namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF";
constexpr std::array<std::string_view, 3> kBlanks = {" ", "\t", kNoBreakSpace};
constexpr std::array<std::string_view, 3> kSpaceLikeGroupSeparators = {" ", kNoBreakSpace,
                                                                       kNarrowNoBreakSpace};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Most texts fail on the first byte, compared here before a call to compare the rest.
bool startsWith(std::string_view text, std::string_view token) {
    return !token.empty() && !text.empty() && text[0] == token[0] && text.starts_with(token);
}

bool consume(std::string_view& text, std::string_view token) {
    if (!startsWith(text, token)) {
        return false;
    }
    text.remove_prefix(token.size());
    return true;
}

void skipBlanks(std::string_view& text) {
    // Every blank starts with one of these bytes; most texts start with none of them.
    if (text.empty() || (text.front() != ' ' && text.front() != '\t' && text.front() != '\xC2')) {
        return;
    }
    while (std::any_of(kBlanks.begin(), kBlanks.end(),
                       [&](std::string_view blank) { return consume(text, blank); })) {
    }
}

std::string takeDigits(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && isDigit(text[count])) {
        ++count;
    }
    std::string digits(text.substr(0, count));
    text.remove_prefix(count);
    return digits;
}

std::size_t leadingDigitCount(std::string_view text) {
    std::size_t count = 0;
    while (count < text.size() && isDigit(text[count])) {
        ++count;
    }
    return count;
}

// Length of the group separator that `text` starts with, or 0. Where the locale groups with
// a space-like character, any of the space-like characters is taken for it, since users type
// a plain space where the locale writes a narrow no-break space.
std::size_t groupSeparatorLength(std::string_view text, const NumberLocale& locale) {
    const std::string_view separator = locale.groupSeparator;
    if (startsWith(text, separator)) {
        return separator.size();
    }
    const bool spaceLike =
        std::find(kSpaceLikeGroupSeparators.begin(), kSpaceLikeGroupSeparators.end(), separator) !=
        kSpaceLikeGroupSeparators.end();
    if (spaceLike) {
        for (std::string_view candidate : kSpaceLikeGroupSeparators) {
            if (startsWith(text, candidate)) {
                return candidate.size();
            }
        }
    }
    return 0;
}

// Reads one separator and the digits after it into `digits`, and returns how many there
// were; 0 when no separator and digit follow (a trailing blank is no separator).
std::size_t takeGroup(std::string_view& text, std::string& digits, const NumberLocale& locale) {
    const std::size_t separatorLength = groupSeparatorLength(text, locale);
    if (separatorLength == 0) {
        return 0;
    }
    const std::string_view after = text.substr(separatorLength);
    const std::size_t count = leadingDigitCount(after);
    if (count > 0) {
        digits.append(after.substr(0, count));
        text.remove_prefix(separatorLength + count);
    }
    return count;
}

// Decimal exponent of the first significant digit, for telling an overflow from an underflow
// when the conversion reports a value out of range. The written exponent saturates, so an
// absurdly long exponent cannot overflow this arithmetic.
long long leadingDigitExponent(const std::string& integerDigits, const std::string& fraction,
                               const std::string& exponentDigits, bool exponentNegative) {
    long long exponent = 0;
    for (char digit : exponentDigits) {
        exponent = std::min(exponent * 10 + (digit - '0'), 1'000'000'000LL);
    }
    if (exponentNegative) {
        exponent = -exponent;
    }
    const auto firstInteger = integerDigits.find_first_not_of('0');
    if (firstInteger != std::string::npos) {
        return exponent + static_cast<long long>(integerDigits.size() - firstInteger) - 1;
    }
    const auto firstFraction = fraction.find_first_not_of('0');
    return exponent - static_cast<long long>(firstFraction) - 1;
}

// A plain decimal of at most 15 digits with the locale's one-byte decimal separator ("-12.5"),
// the form of nearly every reading, read without building a text for from_chars(): its digits
// make an integer below 2^53 and the power of ten is exact, so the one division rounds as
// from_chars() does. False for any other text, which the full rules then read. The number goes
// into `number` rather than out in an optional: moving an optional's double and flag through
// memory stalls on every reading.
bool parsePlainDecimal(std::string_view text, std::string_view decimalSeparator, double& number) {
    constexpr int kMostDigits = 15;
    static constexpr std::array<double, kMostDigits + 1> kPowersOfTen = {
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* at = text.data();
    const char* const end = at + text.size();
    const bool negative = at != end && *at == '-';
    at += negative ? 1 : 0;
    // The digits before the separator, then those after it, each in a loop of its own.
    std::uint64_t digits = 0;
    const char* const first = at;
    for (; at != end && isDigit(*at); ++at) {
        digits = digits * 10 + static_cast<std::uint64_t>(*at - '0');
    }
    const char* point = end;
    if (at != end && decimalSeparator.size() == 1 && *at == decimalSeparator[0]) {
        point = at++;
        for (; at != end && isDigit(*at); ++at) {
            digits = digits * 10 + static_cast<std::uint64_t>(*at - '0');
        }
    }
    const auto count = (at - first) - (point == end ? 0 : 1);
    if (at != end || count == 0 || count > kMostDigits) {
        return false;
    }
    const auto decimals = point == end ? 0 : end - point - 1;
    const double magnitude =
        static_cast<double>(digits) / kPowersOfTen[static_cast<std::size_t>(decimals)];
    number = negative ? -magnitude : magnitude;
    return true;
}

// Any number by the full rules; `beyondRange` tells a number written too large for a double
// from a text that is no number.
std::optional<double> parseWritten(std::string_view text, const NumberLocale& locale,
                                   bool& beyondRange) {
    beyondRange = false;
    skipBlanks(text);

    bool negative = false;
    if (!consume(text, "+")) {
        negative = consume(text, "-") || consume(text, locale.minusSign);
    }

    // Grouped digits have every group of the locale's length ("1,5" is no number in English),
    // but the leftmost, which is shorter or as long as the later ones.
    std::string integerDigits = takeDigits(text);
    const std::size_t leftmostGroup = integerDigits.size();
    const auto later = static_cast<std::size_t>(locale.laterGroupDigits);
    std::size_t groups = 0;
    std::size_t lastGroup = 0;
    while (const std::size_t group = takeGroup(text, integerDigits, locale)) {
        if (groups++ > 0 && lastGroup != later) {
            return std::nullopt;
        }
        lastGroup = group;
    }
    if (groups > 0 && (lastGroup != static_cast<std::size_t>(locale.firstGroupDigits) ||
                       leftmostGroup == 0 || leftmostGroup > later)) {
        return std::nullopt;
    }

    std::string fraction;
    if (consume(text, locale.decimalSeparator)) {
        fraction = takeDigits(text);
    }
    if (integerDigits.empty() && fraction.empty()) {
        return std::nullopt;
    }

    std::string exponentDigits;
    bool exponentNegative = false;
    if (consume(text, "e") || consume(text, "E")) {
        if (!consume(text, "+")) {
            exponentNegative = consume(text, "-");
        }
        exponentDigits = takeDigits(text);
        if (exponentDigits.empty()) {
            return std::nullopt;
        }
    }

    skipBlanks(text);
    if (!text.empty()) {
        return std::nullopt;
    }

    std::string normalized = integerDigits.empty() ? "0" : integerDigits;
    if (!fraction.empty()) {
        normalized += '.';
        normalized += fraction;
    }
    if (!exponentDigits.empty()) {
        normalized += exponentNegative ? "e-" : "e";
        normalized += exponentDigits;
    }

    double magnitude = 0.0;
    const char* end = normalized.data() + normalized.size();
    const auto [stop, error] = std::from_chars(normalized.data(), end, magnitude);
    if (error == std::errc::result_out_of_range) {
        if (leadingDigitExponent(integerDigits, fraction, exponentDigits, exponentNegative) >= 0) {
            beyondRange = true;
            return std::nullopt;
        }
        magnitude = 0.0;
    } else if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace

std::optional<double> parseNumber(std::string_view text, const NumberLocale& locale) {
    if (double number = 0; parseNumber(text, locale, number)) {
        return number;
    }
    return std::nullopt;
}

bool parseNumber(std::string_view text, const NumberLocale& locale, double& number) {
    if (parsePlainDecimal(text, locale.decimalSeparator, number)) {
        return true;
    }
    bool beyondRange = false;
    const std::optional<double> written = parseWritten(text, locale, beyondRange);
    number = written.value_or(number);
    return written.has_value();
}

bool isBeyondNumberRange(std::string_view text, const NumberLocale& locale) {
    bool beyondRange = false;
    parseWritten(text, locale, beyondRange);
    return beyondRange;
}

}  // namespace nimbaro
