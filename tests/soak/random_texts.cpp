#include "random_texts.h"

#include "locale_bridge.h"
#include "test_locales.h"

namespace nimbaro::test {
namespace {

const QString kEdges[] = {"1.7976931348623157E+308",
                          "1.79769313486232E+308",
                          "-1.8E+308",
                          "4.94065645841247E-324",
                          "2.5E-324",
                          "1E-320",
                          "0",
                          "-0",
                          "0.000005",
                          "-0.000005",
                          "999999999999999.5",
                          "1e15",
                          "-40",
                          "1013.25",
                          "-273.15",
                          "1e308",
                          "-1e308",
                          "1e-308",
                          "2.2250738585072014E-308"};

const QString kJunk[] = {"abc",   "inf", "-inf", "nan",    "Infinity",
                         "0x10",  "1e",  "1e+",  "--1",    "+-1",
                         "1-",    "(1)", "$1",   "1 2",    "1..2",
                         "1e3.5", "e3",  ".",    "-",      "+",
                         "12a",   "١٢",  "∞",    "1,,000", "1e99999999999999999999"};

const QString kBlanks[] = {"", " ", "   ", "\t", "\u00A0"};

const QString kJunkCharacters = "0123456789.,-+eE $()%x\u00A0\u202F\u2212";

}  // namespace

RandomTexts::RandomTexts(std::mt19937_64& random, NumberLocale locale)
    : random_(random), locale_(std::move(locale)) {}

QString RandomTexts::next() {
    const int kind = uniform(0, 99);
    QString text;
    if (kind < 40) {
        text = anyMagnitude();
    } else if (kind < 60) {
        text = smallNumber();
    } else if (kind < 68) {
        text = pick(kEdges);
    } else if (kind < 78) {
        text = otherLocaleNumber();
    } else if (kind < 93) {
        text = junk();
    } else {
        return pick(kBlanks);
    }
    if (chance(0.1)) {
        text = pick(kBlanks) + text + pick(kBlanks);
    }
    return text;
}

// Up to 17 significant digits with an exponent anywhere from -320 to 308, written plain
// (grouped or not) where that stays short, otherwise in exponent form.
QString RandomTexts::anyMagnitude() {
    std::string digits(static_cast<std::size_t>(uniform(1, 17)), '0');
    for (char& digit : digits) {
        digit = static_cast<char>('0' + uniform(0, 9));
    }
    digits[0] = static_cast<char>('1' + uniform(0, 8));
    const int exponent = uniform(-320, 308);
    const QString sign = chance(0.3) ? fromUtf8(locale_.minusSign) : QString();
    if (exponent >= -8 && exponent <= 20 && chance(0.6)) {
        return sign + plainDigits(digits, exponent + 1, chance(0.5), locale_);
    }
    QString mantissa = QString::fromStdString(digits.substr(0, 1));
    if (digits.size() > 1) {
        mantissa += fromUtf8(locale_.decimalSeparator) + QString::fromStdString(digits.substr(1));
    }
    return sign + mantissa + (chance(0.5) ? "E" : "e") +
           (exponent < 0  ? "-"
            : chance(0.5) ? "+"
                          : "") +
           QString::number(std::abs(exponent));
}

// Whole and half degrees around the compass and small values for every other window.
QString RandomTexts::smallNumber() {
    const int whole = uniform(-20, 380);
    const QString number = QString::number(whole);
    switch (uniform(0, 3)) {
        case 0:
            return number;
        case 1:
            return number + fromUtf8(locale_.decimalSeparator) + "5";
        case 2:
            return number + fromUtf8(locale_.decimalSeparator) + QString::number(uniform(0, 99));
        default:
            return QString::number(whole) + "e" + QString::number(uniform(-3, 3));
    }
}

// A number written for the other locale: "1,5" in English, "1.5" in German, grouped the
// other way round.
QString RandomTexts::otherLocaleNumber() {
    const NumberLocale other = locale_.decimalSeparator == "." ? german() : english();
    std::string digits = std::to_string(uniform(1, 99999999));
    return plainDigits(digits, uniform(1, static_cast<int>(digits.size())), chance(0.5), other);
}

QString RandomTexts::junk() {
    if (chance(0.5)) {
        return pick(kJunk);
    }
    QString text;
    const int length = uniform(1, 12);
    for (int i = 0; i < length; ++i) {
        text += kJunkCharacters[uniform(0, static_cast<int>(kJunkCharacters.size()) - 1)];
    }
    return text;
}

// The digits with the decimal separator after `pointPosition` of them (zeros pad either side).
QString RandomTexts::plainDigits(const std::string& digits, int pointPosition, bool grouped,
                                 const NumberLocale& locale) {
    std::string integer;
    std::string fraction;
    if (pointPosition <= 0) {
        integer = "0";
        fraction = std::string(static_cast<std::size_t>(-pointPosition), '0') + digits;
    } else {
        const auto split = static_cast<std::size_t>(pointPosition);
        integer = digits.substr(0, std::min(split, digits.size()));
        integer.resize(split, '0');
        fraction = split < digits.size() ? digits.substr(split) : "";
    }
    QString text;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (grouped && i > 0 && (integer.size() - i) % 3 == 0) {
            text += fromUtf8(locale.groupSeparator);
        }
        text += QChar(integer[i]);
    }
    if (!fraction.empty()) {
        text += fromUtf8(locale.decimalSeparator) + QString::fromStdString(fraction);
    }
    return text;
}

int RandomTexts::uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

bool RandomTexts::chance(double probability) {
    return std::bernoulli_distribution(probability)(random_);
}

}  // namespace nimbaro::test
