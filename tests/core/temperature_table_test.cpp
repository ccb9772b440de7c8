#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "number_text.h"
#include "quantities.h"
#include "test_locales.h"

namespace nimbaro {
namespace {

enum Unit { kCelsius, kFahrenheit, kKelvin };

// What the window shows: the converted texts, each formatted with the quantity's decimals.
std::vector<std::string> shown(Unit from, const char* input, const NumberLocale& locale) {
    const auto outcome = convert(temperatureQuantity(), from, input, locale);
    const auto* texts = std::get_if<std::vector<std::string>>(&outcome);
    return texts != nullptr ? *texts : std::vector<std::string>{};
}

bool converts(Unit from, const char* input) {
    return std::holds_alternative<std::vector<std::string>>(
        convert(temperatureQuantity(), from, input, test::english()));
}

struct Example {
    Unit from;
    const char* input;
    std::vector<std::string> english;
};

class TemperatureExamples : public testing::TestWithParam<Example> {};

TEST_P(TemperatureExamples, ShowAsWorkedOut) {
    EXPECT_EQ(shown(GetParam().from, GetParam().input, test::english()), GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(
    Temperature, TemperatureExamples,
    testing::Values(Example{kCelsius, "100", {"100.00000", "212.00000", "373.15000"}},
                    Example{kFahrenheit, "32", {"0.00000", "32.00000", "273.15000"}},
                    Example{kKelvin, "0", {"-273.15000", "-459.67000", "0.00000"}},
                    Example{kCelsius, "-40", {"-40.00000", "-40.00000", "233.15000"}},
                    Example{kCelsius, "1e3", {"1,000.00000", "1,832.00000", "1,273.15000"}},
                    Example{kKelvin, "-5", {"-278.15000", "-468.67000", "-5.00000"}},
                    Example{kFahrenheit, " 98.6 ", {"37.00000", "98.60000", "310.15000"}},
                    Example{kCelsius, "36.6", {"36.60000", "97.88000", "309.75000"}}));

TEST(TemperatureTable, CopiesTheInputTextForItsOwnUnit) {
    const auto texts = shown(kFahrenheit, " 1,000.50 ", test::english());
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[kFahrenheit], "1,000.50000");
    EXPECT_EQ(texts[kCelsius], "538.05556");
}

TEST(TemperatureTable, ShowsGermanSeparators) {
    EXPECT_EQ(shown(kCelsius, "100", test::german()),
              (std::vector<std::string>{"100,00000", "212,00000", "373,15000"}));
    EXPECT_EQ(shown(kCelsius, "1e3", test::german()),
              (std::vector<std::string>{"1.000,00000", "1.832,00000", "1.273,15000"}));
}

TEST(TemperatureTable, ResultsOutsideTheDoubleRangeGiveNoOutputs) {
    EXPECT_FALSE(converts(kCelsius, "1.7e308"));
    // Rounded to 15 digits this Celsius value would read back as an overflow.
    EXPECT_FALSE(converts(kKelvin, "1.7976931348623157e308"));
    EXPECT_FALSE(converts(kCelsius, "abc"));
    EXPECT_TRUE(converts(kCelsius, "1e-320"));
}

}  // namespace
}  // namespace nimbaro
