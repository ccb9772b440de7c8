#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "number_text.h"
#include "test_locales.h"

namespace nimbaro {
namespace {

struct Accepted {
    const char* text;
    double value;
};

class EnglishAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(EnglishAccepts, ReadsTheValue) {
    const auto value = parseNumber(GetParam().text, test::english());
    ASSERT_TRUE(value.has_value()) << GetParam().text;
    EXPECT_EQ(*value, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    NumberRules, EnglishAccepts,
    testing::Values(Accepted{"12", 12}, Accepted{"  12  ", 12}, Accepted{"\t12\xC2\xA0", 12},
                    Accepted{"+7", 7}, Accepted{"-3", -3}, Accepted{"1.", 1}, Accepted{".5", 0.5},
                    Accepted{"1,234.5", 1234.5}, Accepted{"12,345,678", 12345678},
                    Accepted{"1e3", 1000}, Accepted{"1E+3", 1000}, Accepted{"2.5e-1", 0.25},
                    Accepted{"-1.5E+20", -1.5e20}, Accepted{"0.1", 0.1}, Accepted{"1e-310", 1e-310},
                    Accepted{"1.7976931348623157e308", 1.7976931348623157e308},
                    Accepted{"000123", 123}, Accepted{"1,234e2", 123400}));

class EnglishRefuses : public testing::TestWithParam<const char*> {};

TEST_P(EnglishRefuses, IsNotANumber) {
    EXPECT_FALSE(parseNumber(GetParam(), test::english()).has_value()) << GetParam();
    EXPECT_FALSE(isNumeric(GetParam(), test::english())) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(NumberRules, EnglishRefuses,
                         testing::Values("", "   ", ".", "-", "+", "e3", "1e", "1e+", "1,5",
                                         "12,34", "1234,567", ",123", "1,234,56", "1.234,5", "1..2",
                                         "--1", "+-1", "1-", "(1)", "$1", "0x10", "inf", "nan",
                                         "infinity", "1 2", "1e3.5", "abc", "1e400", "-1e400",
                                         "1.8e308", "1,5e3", "\xD9\xA1", "1.79769313486232E+308"));

TEST(NumberParser, UnderflowReadsAsZeroWithItsSign) {
    const auto positive = parseNumber("1e-400", test::english());
    const auto negative = parseNumber("-1e-400", test::english());
    ASSERT_TRUE(positive && negative);
    EXPECT_EQ(*positive, 0.0);
    EXPECT_TRUE(std::signbit(*negative));
    EXPECT_EQ(parseNumber("0.000001e-99999999999999999999", test::english()), 0.0);
    EXPECT_FALSE(parseNumber("1e99999999999999999999", test::english()).has_value());
}

struct LocaleCase {
    const char* text;
    std::optional<double> german;
    std::optional<double> french;
};

class OtherLocales : public testing::TestWithParam<LocaleCase> {};

TEST_P(OtherLocales, FollowTheirSeparators) {
    EXPECT_EQ(parseNumber(GetParam().text, test::german()), GetParam().german) << GetParam().text;
    EXPECT_EQ(parseNumber(GetParam().text, test::french()), GetParam().french) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    NumberRules, OtherLocales,
    testing::Values(LocaleCase{"1,5", 1.5, 1.5}, LocaleCase{"1.5", std::nullopt, std::nullopt},
                    LocaleCase{"1.234,5", 1234.5, std::nullopt},
                    LocaleCase{"1 234,5", std::nullopt, 1234.5},
                    LocaleCase{"1\xC2\xA0"
                               "234,5",
                               std::nullopt, 1234.5},
                    LocaleCase{"1\xE2\x80\xAF"
                               "234",
                               std::nullopt, 1234},
                    LocaleCase{"12 ", 12, 12}, LocaleCase{"1 23", std::nullopt, std::nullopt},
                    LocaleCase{"-2,5e2", -250, -250}, LocaleCase{"1.000.000", 1e6, std::nullopt}));

TEST(NumberParser, AcceptsTheLocaleMinusSign) {
    NumberLocale locale = test::english();
    locale.minusSign = "\xE2\x88\x92";
    EXPECT_EQ(parseNumber("\xE2\x88\x92"
                          "4",
                          locale),
              -4.0);
    EXPECT_EQ(parseNumber("-4", locale), -4.0);
}

TEST(NumberParser, ReadsALongDigitStringCorrectlyRounded) {
    const std::string digits = "0." + std::string(400, '3');
    EXPECT_EQ(parseNumber(digits, test::english()), 1.0 / 3.0);
}

}  // namespace
}  // namespace nimbaro
