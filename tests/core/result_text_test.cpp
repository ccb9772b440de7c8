#include <gtest/gtest.h>

#include <vector>

#include "result_text.h"
#include "test_locales.h"

namespace nimbaro {
namespace {

struct CopyCase {
    const char* shown;
    NumberLocale locale;
    const char* copied;
};

void PrintTo(const CopyCase& copyCase, std::ostream* out) {
    *out << '"' << copyCase.shown << "\" with group separator \"" << copyCase.locale.groupSeparator
         << '"';
}

class CopyableText : public testing::TestWithParam<CopyCase> {};

TEST_P(CopyableText, DropsGroupSeparatorsFromNumbersOnly) {
    EXPECT_EQ(copyableText(GetParam().shown, GetParam().locale), GetParam().copied);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, CopyableText,
    testing::Values(CopyCase{"1,234,567.12345", test::english(), "1234567.12345"},
                    CopyCase{"-3.00000", test::english(), "-3.00000"},
                    CopyCase{"0.0000000049", test::english(), "0.0000000049"},
                    CopyCase{"1.234.567,12345", test::german(), "1234567,12345"},
                    CopyCase{"-21.719,16010", test::german(), "-21719,16010"},
                    CopyCase{"1\xE2\x80\xAF"
                             "234,50000",
                             test::french(), "1234,50000"},
                    // Words and the wind direction's "360 or 0" are no numbers: as shown.
                    CopyCase{"North North East", test::english(), "North North East"},
                    CopyCase{"360 or 0", test::english(), "360 or 0"},
                    CopyCase{"Hello, world", test::english(), "Hello, world"},
                    CopyCase{"", test::german(), ""}));

TEST(ResultLines, PutOneLinePerShownResultWithATabBeforeItsUnit) {
    const std::vector<ShownResult> results = {
        {"1,234.50000", "Celsius"}, {"", "Fahrenheit"}, {"1,507.65000", "Kelvin"}};
    EXPECT_EQ(resultLines(results, test::english()), "1234.50000\tCelsius\n1507.65000\tKelvin\n");
}

TEST(ResultLines, AreEmptyWhenNothingIsShown) {
    const std::vector<ShownResult> results = {{"", "Metres"}, {"", "Feet"}};
    EXPECT_EQ(resultLines(results, test::german()), "");
}

}  // namespace
}  // namespace nimbaro
