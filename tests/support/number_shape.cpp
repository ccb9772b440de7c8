#include "number_shape.h"

#include <cmath>
#include <cstddef>

#include "number_text.h"

namespace nimbaro::test {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a text from left to right; each step takes a token or reports that it is not there.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : rest_(text) {}

    bool take(std::string_view token) {
        if (token.empty() || !rest_.starts_with(token)) {
            return false;
        }
        rest_.remove_prefix(token.size());
        return true;
    }
    std::string_view digits() {
        std::size_t count = 0;
        while (count < rest_.size() && isDigit(rest_[count])) {
            ++count;
        }
        const std::string_view taken = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return taken;
    }
    bool atEnd() const { return rest_.empty(); }

  private:
    std::string_view rest_;
};

bool allZeros(std::string_view digits) {
    return digits.find_first_not_of('0') == std::string_view::npos;
}

std::size_t significantCount(std::string_view integer, std::string_view fraction) {
    const std::string digits = std::string(integer) + std::string(fraction);
    const std::size_t first = digits.find_first_not_of('0');
    const std::size_t last = digits.find_last_not_of('0');
    return first == std::string::npos ? 0 : last - first + 1;
}

}  // namespace

bool isFixedNumberText(std::string_view text, int decimals, const NumberLocale& locale) {
    Cursor cursor(text);
    const bool negative = cursor.take(locale.minusSign);
    const std::string_view lead = cursor.digits();
    if (lead.empty() || lead.size() > 3 || (lead.size() > 1 && lead[0] == '0')) {
        return false;
    }
    bool zero = allZeros(lead);
    while (cursor.take(locale.groupSeparator)) {
        if (lead == "0" || cursor.digits().size() != 3) {
            return false;
        }
        zero = false;
    }
    if (decimals > 0) {
        if (!cursor.take(locale.decimalSeparator)) {
            return false;
        }
        const std::string_view fraction = cursor.digits();
        if (fraction.size() != static_cast<std::size_t>(decimals)) {
            return false;
        }
        zero = zero && allZeros(fraction);
    }
    return cursor.atEnd() && !(negative && zero);
}

bool isPlainNumberText(std::string_view text, const NumberLocale& locale) {
    if (text == "0") {
        return true;
    }
    Cursor cursor(text);
    cursor.take(locale.minusSign);
    const std::string_view integer = cursor.digits();
    std::string_view fraction;
    if (cursor.take(locale.decimalSeparator)) {
        fraction = cursor.digits();
        if (fraction.empty() || fraction.back() == '0') {
            return false;
        }
    }
    if (integer.empty() || (integer.size() > 1 && integer[0] == '0')) {
        return false;
    }
    if (cursor.take("E")) {
        if (integer.size() != 1 || integer == "0" || !(cursor.take("+") || cursor.take("-"))) {
            return false;
        }
        const std::string_view exponent = cursor.digits();
        const bool exponentWellFormed =
            exponent.size() >= 2 && (exponent.size() == 2 || exponent[0] != '0');
        return exponentWellFormed && cursor.atEnd() && fraction.size() <= 14;
    }
    const std::size_t significant = significantCount(integer, fraction);
    return cursor.atEnd() && significant > 0 && significant <= 15;
}

std::optional<std::string> outputNumberText(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    std::string text = numberToText(value, locale);
    if (!isNumeric(text, locale)) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> reformatNumberText(std::string_view text, int decimals,
                                              const NumberLocale& locale) {
    const std::optional<double> value = parseNumber(text, locale);
    if (!value) {
        return std::nullopt;
    }
    return formatFixed(*value, decimals, locale);
}

}  // namespace nimbaro::test
