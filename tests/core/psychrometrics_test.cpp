#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "formulas/psychrometrics.h"
#include "number_text.h"
#include "test_locales.h"

namespace nimbaro {
namespace {

// Expected values were worked out separately in double precision with the same order of
// operations, so they must match to the last bit: a changed order or constant shows here even
// where the five shown decimals would not change.
struct FormulaCase {
    const char* formula;
    std::function<double()> evaluate;
    double exact;
    const char* shown;  // with five decimals, as a window shows it
};

class PsychrometricFormulas : public testing::TestWithParam<FormulaCase> {};

TEST_P(PsychrometricFormulas, MatchTheWorkedValuesExactly) {
    const double value = GetParam().evaluate();
    EXPECT_EQ(value, GetParam().exact);
    EXPECT_EQ(formatFixed(value, 5, test::english()), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Moisture, PsychrometricFormulas,
    testing::Values(
        FormulaCase{"E(20)", [] { return saturationVapourPressure(20); }, 23.34067369587071,
                    "23.34067"},
        FormulaCase{"E(0)", [] { return saturationVapourPressure(0); }, 6.11, "6.11000"},
        FormulaCase{"E(-40)", [] { return saturationVapourPressure(-40); }, 0.18560536579639714,
                    "0.18561"},
        FormulaCase{"RH(20, 10)", [] { return relativeHumidity(20, 10); }, 52.56703126425807,
                    "52.56703"},
        FormulaCase{"RH(20, 20)", [] { return relativeHumidity(20, 20); }, 100.0, "100.00000"},
        FormulaCase{"RH(20, 25) above 100", [] { return relativeHumidity(20, 25); },
                    135.41592291456922, "135.41592"},
        FormulaCase{"Td(20 C, 50 %)", [] { return dewPointFromHumidity(20, 50); },
                    9.253523690644812, "9.25352"},
        // 430.22 / 19.08 are not the exact inverse of E: saturated air misses 20.
        FormulaCase{"Td(20 C, 100 %)", [] { return dewPointFromHumidity(20, 100); },
                    19.999114452203905, "19.99911"},
        FormulaCase{"Td(-10 C, 0.001 %)", [] { return dewPointFromHumidity(-10, 0.001); },
                    -98.73934150541939, "-98.73934"},
        FormulaCase{"Td(20, 15, 1013.25)", [] { return dewPointFromWetBulb(20, 15, 1013.25); },
                    10.819649377492974, "10.81965"},
        FormulaCase{"Td(30, 25, 1013.25)", [] { return dewPointFromWetBulb(30, 25, 1013.25); },
                    22.665268356317817, "22.66527"},
        FormulaCase{"Td(20, wet bulb 25, 1013.25)",
                    [] { return dewPointFromWetBulb(20, 25, 1013.25); }, 27.083367826997232,
                    "27.08337"},
        FormulaCase{"Tw(20 C, 50 %, 1013.25)", [] { return wetBulbFromHumidity(20, 50, 1013.25); },
                    14.199801553386088, "14.19980"},
        FormulaCase{"Tw(20 C, 100 %, 1013.25)",
                    [] { return wetBulbFromHumidity(20, 100, 1013.25); }, 19.99939524260034,
                    "19.99940"},
        // With no pressure the wet bulb is the dew point, one bit apart from
        // dewPointFromHumidity because Δ × Td is formed as Δ × (L × 237.7 − 430.22) / (19.08 − L).
        FormulaCase{"Tw(20 C, 50 %, 0)", [] { return wetBulbFromHumidity(20, 50, 0); },
                    9.25352369064481, "9.25352"},
        FormulaCase{"Tw(20 C, dew point 10, 1013.25)",
                    [] { return wetBulbFromDewPoint(20, 10, 1013.25); }, 14.493526587331614,
                    "14.49353"},
        FormulaCase{"Tw(20 C, dew point 20, 1013.25)",
                    [] { return wetBulbFromDewPoint(20, 20, 1013.25); }, 20.0, "20.00000"},
        FormulaCase{"Tw(20 C, dew point 25, 1013.25)",
                    [] { return wetBulbFromDewPoint(20, 25, 1013.25); }, 23.686478192541,
                    "23.68648"},
        FormulaCase{"Tw(20 C, dew point 10, 0)", [] { return wetBulbFromDewPoint(20, 10, 0); },
                    10.0, "10.00000"}),
    [](const testing::TestParamInfo<FormulaCase>& info) {
        return "Case" + std::to_string(info.index);
    });

}  // namespace
}  // namespace nimbaro
