#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "formulas/psychrometrics.h"
#include "guarded.h"
#include "number_shape.h"
#include "number_text.h"
#include "test_locales.h"

namespace nimbaro {
namespace {

// Read at run time, so that the compiler cannot fold the faulting operations away.
volatile double zero = 0;
volatile double huge = 1e308;
volatile double tiny = 1e-308;

struct GuardCase {
    const char* what;
    std::function<OutputValues()> compute;
    std::optional<OutputValues> result;
};

class GuardedComputation : public testing::TestWithParam<GuardCase> {};

TEST_P(GuardedComputation, PassesCleanValuesAndRefusesFaults) {
    EXPECT_EQ(computeGuarded(GetParam().compute), GetParam().result) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, GuardedComputation,
    testing::Values(
        GuardCase{"clean values",
                  [] {
                      return OutputValues{1.5, -2};
                  },
                  OutputValues{1.5, -2}},
        GuardCase{"overflow", [] { return OutputValues{huge * 10}; }, std::nullopt},
        // A fault anywhere counts, even in a value that is not an output.
        GuardCase{"overflow in a stage",
                  [] {
                      const double stage = huge * 10;
                      return OutputValues{stage > 0 ? 1.0 : 2.0};
                  },
                  std::nullopt},
        GuardCase{"division by zero", [] { return OutputValues{1 / zero}; }, std::nullopt},
        GuardCase{"0 / 0", [] { return OutputValues{zero / zero}; }, std::nullopt},
        GuardCase{"log of zero", [] { return OutputValues{std::log(zero)}; }, std::nullopt},
        GuardCase{"log of a negative number", [] { return OutputValues{std::log(zero - 1)}; },
                  std::nullopt},
        GuardCase{"pow domain", [] { return OutputValues{std::pow(zero - 8, 1.0 / 3.0)}; },
                  std::nullopt},
        GuardCase{"infinity without a flag",
                  [] {
                      return OutputValues{0, std::numeric_limits<double>::infinity()};
                  },
                  std::nullopt},
        GuardCase{"underflow reads as zero", [] { return OutputValues{tiny * tiny}; },
                  OutputValues{0}},
        // E underflows to zero just above −237.7 °C: a value, not a fault ...
        GuardCase{"saturation underflow",
                  [] { return OutputValues{saturationVapourPressure(-237.6999999)}; },
                  OutputValues{0}},
        // ... but a humidity divided by it is one.
        GuardCase{"humidity over an underflowed E",
                  [] { return OutputValues{relativeHumidity(-237.6999999, 10)}; }, std::nullopt},
        GuardCase{"E at −237.7", [] { return OutputValues{relativeHumidity(-237.7, 10)}; },
                  std::nullopt},
        GuardCase{"e below zero under a great wet-bulb depression",
                  [] { return OutputValues{dewPointFromWetBulb(40, 0, 1e6)}; }, std::nullopt}));

TEST(GuardedComputation, IgnoresFlagsRaisedBeforeIt) {
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    EXPECT_EQ(computeGuarded([] { return OutputValues{2}; }), OutputValues{2});
}

TEST(PlainNumberTexts, WritesEveryValueOrNone) {
    EXPECT_EQ(test::outputNumberText(52.56703126425807, test::english()), "52.5670312642581");
    EXPECT_EQ(test::outputNumberText(-40, test::english()), "-40");
    EXPECT_EQ(test::outputNumberText(293.15, test::english()), "293.15");
    EXPECT_EQ(test::outputNumberText(9.25, test::german()), "9,25");
    EXPECT_EQ(test::outputNumberText(1e20, test::german()), "1E+20");
    // Rounded to 15 digits the largest double reads back as an overflow.
    EXPECT_FALSE(isShowable(std::numeric_limits<double>::max()));
    EXPECT_FALSE(isShowable(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(computeGuarded([] {
                  return OutputValues{1, std::numeric_limits<double>::max()};
              }),
              std::nullopt);
}

}  // namespace
}  // namespace nimbaro
