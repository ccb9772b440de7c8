#include "reference_numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "test_locales.h"

namespace nimbaro::fuzz {
namespace {

constexpr std::array<std::string_view, 3> kBlanks = {" ", "\t", "\xC2\xA0"};
constexpr std::array<std::string_view, 3> kSpaceLike = {" ", "\xC2\xA0", "\xE2\x80\xAF"};

bool dropPrefix(std::string_view& text, std::string_view token) {
    if (token.empty() || !text.starts_with(token)) {
        return false;
    }
    text.remove_prefix(token.size());
    return true;
}

bool dropSuffix(std::string_view& text, std::string_view token) {
    if (token.empty() || !text.ends_with(token)) {
        return false;
    }
    text.remove_suffix(token.size());
    return true;
}

void trimBlanks(std::string_view& text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (std::string_view blank : kBlanks) {
            trimmed = dropPrefix(text, blank) || dropSuffix(text, blank) || trimmed;
        }
    }
}

bool isSpaceLike(std::string_view separator) {
    for (std::string_view space : kSpaceLike) {
        if (separator == space) {
            return true;
        }
    }
    return false;
}

// Adds one to a string of decimal digits.
std::string increment(std::string digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return "1" + digits;
}

}  // namespace

const std::array<NumberLocale, 3>& locales() {
    static const std::array<NumberLocale, 3> all = {test::english(), test::german(),
                                                    test::french()};
    return all;
}

std::optional<double> valueFrom(std::string_view bytes) {
    if (bytes.size() == sizeof(double)) {
        double value = 0;
        std::memcpy(&value, bytes.data(), sizeof value);
        return std::isfinite(value) ? std::optional(value) : std::nullopt;
    }
    const std::string text(bytes);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string fifteenDigits(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    return buffer;
}

int fifteenDigitExponent(double value) {
    const std::string digits = fifteenDigits(value);
    return std::atoi(digits.c_str() + digits.find('e') + 1);
}

std::string roundedToDecimals(double value, int decimals) {
    const std::string digits = fifteenDigits(value);
    // The 15 digits as a whole number N, so that |value| = N × 10^(exponent - 14).
    const std::string whole = digits.substr(0, 1) + digits.substr(2, 14);
    const int shift = fifteenDigitExponent(value) - 14 + decimals;
    std::string scaled;
    if (shift >= 0) {
        scaled = whole + std::string(static_cast<std::size_t>(shift), '0');
    } else if (-shift > static_cast<int>(whole.size())) {
        scaled = "0";
    } else {
        const std::size_t kept = whole.size() - static_cast<std::size_t>(-shift);
        scaled = kept == 0 ? "0" : whole.substr(0, kept);
        if (whole[kept] >= '5') {
            scaled = increment(scaled);
        }
    }
    return (std::signbit(value) ? "-" : "") + scaled + "e-" + std::to_string(decimals);
}

double readDecimal(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

std::string inCForm(std::string_view text, const NumberLocale& locale) {
    trimBlanks(text);
    std::string result;
    if (dropPrefix(text, locale.minusSign)) {
        result += '-';
    }
    const bool spaceLikeGroups = isSpaceLike(locale.groupSeparator);
    while (!text.empty()) {
        bool dropped = dropPrefix(text, locale.groupSeparator);
        for (std::string_view space : kSpaceLike) {
            dropped = dropped || (spaceLikeGroups && dropPrefix(text, space));
        }
        if (dropped) {
            continue;
        }
        if (dropPrefix(text, locale.decimalSeparator)) {
            result += '.';
            continue;
        }
        result += text.front();
        text.remove_prefix(1);
    }
    return result;
}

bool sameValue(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

void require(bool holds, std::string_view property, std::string_view detail) {
    if (holds) {
        return;
    }
    std::fprintf(stderr, "\nproperty broken: %.*s\n  %.*s\n", static_cast<int>(property.size()),
                 property.data(), static_cast<int>(detail.size()), detail.data());
    std::abort();
}

}  // namespace nimbaro::fuzz
