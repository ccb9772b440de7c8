#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <random>
#include <string>

#include "number_shape.h"
#include "number_text.h"
#include "test_locales.h"

namespace nimbaro {
namespace {

struct TextCase {
    double value;
    const char* english;
};

class NumberToText : public testing::TestWithParam<TextCase> {};

TEST_P(NumberToText, KeepsFifteenSignificantDigits) {
    EXPECT_EQ(numberToText(GetParam().value, test::english()), GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(
    NumberRules, NumberToText,
    testing::Values(TextCase{0, "0"}, TextCase{-0.0, "0"}, TextCase{212, "212"},
                    TextCase{-459.67, "-459.67"}, TextCase{0.1 + 0.2, "0.3"},
                    TextCase{1.0 / 3.0, "0.333333333333333"}, TextCase{1e-5, "0.00001"},
                    TextCase{1.5e-5, "0.000015"}, TextCase{1e-7, "1E-07"},
                    TextCase{9.99999999999999e14, "999999999999999"}, TextCase{1e15, "1E+15"},
                    TextCase{1.5e20, "1.5E+20"}, TextCase{-2.5e-300, "-2.5E-300"},
                    TextCase{123456789012345678.0, "1.23456789012346E+17"},
                    TextCase{0.000123456789012345678, "0.000123456789012346"},
                    TextCase{999999999999999.5, "1E+15"},
                    TextCase{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}));

TEST(NumberToText, UsesTheLocaleSeparatorAndReadsBack) {
    EXPECT_EQ(numberToText(1234.5, test::german()), "1234,5");
    for (double value : {1.0 / 7.0, -12345.678, 6.02214076e23, 1e-300, 273.15}) {
        for (const NumberLocale& locale : {test::english(), test::german(), test::french()}) {
            const auto back = parseNumber(numberToText(value, locale), locale);
            ASSERT_TRUE(back.has_value());
            EXPECT_NEAR(*back, value, std::abs(value) * 1e-14);
        }
    }
}

struct FixedCase {
    double value;
    int decimals;
    const char* english;
};

class FormatFixed : public testing::TestWithParam<FixedCase> {};

std::string withoutCommas(std::string text) {
    std::erase(text, ',');
    return text;
}

// Without group separators a result takes the integer path; with them, the digit path.
TEST_P(FormatFixed, RoundsHalfAwayFromZeroAndGroups) {
    EXPECT_EQ(formatFixed(GetParam().value, GetParam().decimals, test::english()),
              GetParam().english);
    EXPECT_EQ(formatFixed(GetParam().value, GetParam().decimals, plainNumberLocale()),
              withoutCommas(GetParam().english));
}

TEST(FormatFixed, IntegerAndDigitPathsAgree) {
    std::mt19937_64 random(29);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-9, 16);
    std::uniform_int_distribution<int> decimals(0, 12);
    for (int i = 0; i < 100000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        const int places = decimals(random);
        ASSERT_EQ(formatFixed(value, places, plainNumberLocale()),
                  withoutCommas(formatFixed(value, places, test::english())))
            << value << " to " << places;
    }
}

// Halves at the last decimal and their neighbours, where rounding the 15 digits first decides.
TEST(FormatFixed, IntegerAndDigitPathsAgreeNearHalves) {
    std::mt19937_64 random(31);
    std::uniform_int_distribution<std::int64_t> whole(0, 99'999'999);
    std::uniform_int_distribution<int> decimals(0, 9);
    for (int i = 0; i < 30000; ++i) {
        const int places = decimals(random);
        const double half = (static_cast<double>(whole(random)) + 0.5) / std::pow(10.0, places);
        for (const double value : {half, std::nextafter(half, 0.0), std::nextafter(half, 1e300),
                                   -half, half * (1 + 3e-15), half * (1 - 3e-15)}) {
            ASSERT_EQ(formatFixed(value, places, plainNumberLocale()),
                      withoutCommas(formatFixed(value, places, test::english())))
                << std::setprecision(17) << value << " to " << places;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    NumberRules, FormatFixed,
    testing::Values(FixedCase{0.5, 5, "0.50000"}, FixedCase{-3, 5, "-3.00000"},
                    FixedCase{1234.5, 5, "1,234.50000"}, FixedCase{0, 5, "0.00000"},
                    FixedCase{-0.0, 5, "0.00000"}, FixedCase{-0.000001, 5, "0.00000"},
                    FixedCase{-0.000005, 5, "-0.00001"}, FixedCase{0.000005, 5, "0.00001"},
                    FixedCase{0.125, 2, "0.13"}, FixedCase{-0.125, 2, "-0.13"},
                    FixedCase{2.5, 0, "3"}, FixedCase{-2.5, 0, "-3"}, FixedCase{0.4, 0, "0"},
                    FixedCase{11.5, 0, "12"}, FixedCase{999.999995, 5, "1,000.00000"},
                    FixedCase{54.1234567, 5, "54.12346"}, FixedCase{1e3, 5, "1,000.00000"},
                    FixedCase{61023744094732.2968750, 10, "61,023,744,094,732.3000000000"},
                    FixedCase{1e18, 10, "1,000,000,000,000,000,000.0000000000"},
                    FixedCase{1e-11, 10, "0.0000000000"}, FixedCase{5e-11, 10, "0.0000000001"},
                    FixedCase{1.005, 2, "1.01"}, FixedCase{0.6, 0, "1"},
                    FixedCase{123456, 0, "123,456"}, FixedCase{1e-300, 5, "0.00000"}));

TEST(FormatFixed, FollowsTheLocale) {
    EXPECT_EQ(formatFixed(100, 5, test::german()), "100,00000");
    EXPECT_EQ(formatFixed(1000, 5, test::german()), "1.000,00000");
    EXPECT_EQ(formatFixed(-1234567.25, 1, test::french()),
              "-1\xE2\x80\xAF"
              "234\xE2\x80\xAF"
              "567,3");
    // Signs of any length, however long the text they make.
    NumberLocale longSigns = plainNumberLocale();
    longSigns.minusSign = std::string(15, '~');
    longSigns.decimalSeparator = std::string(15, ',');
    EXPECT_EQ(formatFixed(-0.000015, 18, longSigns),
              std::string(15, '~') + "0" + std::string(15, ',') + "000015000000000000");
}

TEST(FormatFixed, AHugeValueShowsEveryIntegerDigit) {
    const std::string text = formatFixed(std::numeric_limits<double>::max(), 5, test::english());
    EXPECT_EQ(text.substr(0, 8), "179,769,");
    EXPECT_EQ(text.size(), 309 + 102 + 6);
    EXPECT_EQ(text.find_first_of("einf"), std::string::npos);
}

TEST(FormatFixed, ReformatsNumberTextOrNothing) {
    EXPECT_EQ(test::reformatNumberText(" 12 ", 5, test::english()), "12.00000");
    EXPECT_EQ(test::reformatNumberText("1E+15", 0, test::english()), "1,000,000,000,000,000");
    EXPECT_FALSE(test::reformatNumberText("abc", 5, test::english()).has_value());
}

}  // namespace
}  // namespace nimbaro
