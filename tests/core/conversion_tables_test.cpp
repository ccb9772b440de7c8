#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "number_text.h"
#include "quantities.h"
#include "test_locales.h"

namespace nimbaro {
namespace {

using TableFunction = const Quantity& (*)();

// Every output as the window shows it, joined with " | "; empty when nothing is written.
std::string shown(TableFunction tableFunction, std::string_view unit, std::string_view input,
                  const NumberLocale& locale) {
    const Quantity& quantity = tableFunction();
    const std::optional<std::size_t> from = findUnit(quantity, unit);
    EXPECT_TRUE(from) << "no unit " << unit;
    const auto outcome = convert(quantity, from.value_or(0), input, locale);
    const auto* texts = std::get_if<std::vector<std::string>>(&outcome);
    std::string row;
    for (std::size_t i = 0; texts != nullptr && i < texts->size(); ++i) {
        row += (i == 0 ? "" : " | ") + (*texts)[i];
    }
    return row;
}

TEST(ConversionTables, HaveOneCellPerUnitPairAndNoClashingNames) {
    std::set<std::string_view> quantityIds;
    for (const Quantity* quantity : quantities()) {
        SCOPED_TRACE(quantity->id);
        EXPECT_TRUE(quantityIds.insert(quantity->id).second);
        ASSERT_EQ(quantity->cells.size(), quantity->units.size());
        for (const auto& row : quantity->cells) {
            EXPECT_EQ(row.size(), quantity->units.size());
        }
        // Every name a person may type for a unit picks that unit and no other.
        for (std::size_t unit = 0; unit < quantity->units.size(); ++unit) {
            const Unit& named = quantity->units[unit];
            std::vector<std::string_view> spellings = {named.id, named.name, named.symbol,
                                                       named.label};
            spellings.insert(spellings.end(), named.synonyms.begin(), named.synonyms.end());
            for (std::string_view spelling : spellings) {
                EXPECT_EQ(findUnit(*quantity, spelling), unit) << spelling;
            }
        }
    }
}

// Each unit's size in one base unit of its quantity, from the unit definitions rather than the
// cells, so that every cell can be checked against x × size(from) ÷ size(to).
struct UnitSizes {
    TableFunction table;
    std::vector<long double> sizes;      // in output order
    std::vector<std::size_t> fromUnits;  // empty: every unit
};

constexpr long double kInch = 0.0254L;
constexpr long double kSquareInch = kInch * kInch;
constexpr long double kCubicInch = 16.387064e-6L;
constexpr long double kOunce = 28.34952L;
constexpr long double kPound = 453.59237L;
constexpr long double kMmOfMercury = 133.322L;

class EveryCell : public testing::TestWithParam<UnitSizes> {};

// A cell copies the input text exactly where its two units are one size; every other cell
// agrees with the unit sizes far beyond the digits shown.
TEST_P(EveryCell, AgreesWithTheUnitSizes) {
    const Quantity& table = GetParam().table();
    const auto& sizes = GetParam().sizes;
    ASSERT_EQ(sizes.size(), table.units.size());
    std::vector<std::size_t> rows = GetParam().fromUnits;
    while (GetParam().fromUnits.empty() && rows.size() < sizes.size()) {
        rows.push_back(rows.size());
    }
    constexpr double x = 3.7;
    for (std::size_t from : rows) {
        for (std::size_t to = 0; to < sizes.size(); ++to) {
            const CellExpression& cell = table.cells.at(from).at(to);
            if (cell.copiesInputText()) {
                EXPECT_EQ(sizes[from], sizes[to]) << table.id << " " << from << "->" << to;
                continue;
            }
            EXPECT_NEAR(cell.evaluate(x) / (x * sizes[from] / sizes[to]), 1.0L, 1e-13L)
                << table.id << " " << from << "->" << to;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, EveryCell,
    testing::Values(
        UnitSizes{
            &lengthQuantity, {1e-3L, 1, 1e3L, kInch, 12 * kInch, 36 * kInch, 1609.344L, 1852}, {}},
        UnitSizes{&areaQuantity,
                  {1e-6L, 1e-4L, 1, 1e6L, kSquareInch, 144 * kSquareInch, 1296 * kSquareInch,
                   2.58998811e6L, 4046.86L, 1e4L},
                  {}},
        UnitSizes{&volumeQuantity,
                  {1e-9L, 1e-6L, 1, 1e9L, kCubicInch, 1728 * kCubicInch, 46656 * kCubicInch,
                   4.168181825e9L},
                  {}},
        // The metric and ounce rows go through the ounce, the pound and stone rows the pound.
        UnitSizes{&massQuantity, {1, 1e3L, 1e6L, kOunce, 16 * kOunce, 224 * kOunce}, {0, 1, 2, 3}},
        UnitSizes{&massQuantity, {1, 1e3L, 1e6L, kPound / 16, kPound, 14 * kPound}, {4, 5}},
        UnitSizes{&timeQuantity, {1, 60, 3600, 86400, 604800}, {}},
        UnitSizes{&rainfallQuantity, {1, 10, 1000, 0.254L, 25.4L, 304.8L}, {}},
        UnitSizes{&windSpeedQuantity, {1 / 3.6L, 1, 1609.344L / 3600, 0.3048L, 1852 / 3600.0L}, {}},
        UnitSizes{&airPressureQuantity, {1, 100, 100, kMmOfMercury, kMmOfMercury * 25.4L}, {}}));

// Worked out from the unit definitions in exact arithmetic, rounded to 15 significant digits
// and then to the window's decimals.
struct Example {
    TableFunction table;
    const char* unit;
    const char* input;
    const char* shown;
};

class EnglishExamples : public testing::TestWithParam<Example> {};

TEST_P(EnglishExamples, ShowAsWorkedOut) {
    const Example& example = GetParam();
    EXPECT_EQ(shown(example.table, example.unit, example.input, test::english()), example.shown)
        << example.unit << " " << example.input;
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, EnglishExamples,
    testing::Values(
        Example{&lengthQuantity, "miles", "1",
                "1,609,344.00000 | 1,609.34400 | 1.60934 | 63,360.00000 | 5,280.00000 | "
                "1,760.00000 | 1.00000 | 0.86898"},
        Example{&lengthQuantity, "millimetres", "1",
                "1.00000 | 0.00100 | 0.00000 | 0.03937 | 0.00328 | 0.00109 | 0.00000 | 0.00000"},
        Example{&lengthQuantity, "nautical-miles", "1",
                "1,852,000.00000 | 1,852.00000 | 1.85200 | 72,913.38583 | 6,076.11549 | "
                "2,025.37183 | 1.15078 | 1.00000"},
        Example{&lengthQuantity, "metres", "1234.5",
                "1,234,500.00000 | 1,234.50000 | 1.23450 | 48,602.36220 | 4,050.19685 | "
                "1,350.06562 | 0.76708 | 0.66658"},
        Example{&lengthQuantity, "kilometres", "2.5",
                "2,500,000.00000 | 2,500.00000 | 2.50000 | 98,425.19685 | 8,202.09974 | "
                "2,734.03325 | 1.55343 | 1.34989"},
        Example{
            &lengthQuantity, "inches", "100",
            "2,540.00000 | 2.54000 | 0.00254 | 100.00000 | 8.33333 | 2.77778 | 0.00158 | 0.00137"},
        Example{&lengthQuantity, "feet", "5280",
                "1,609,344.00000 | 1,609.34400 | 1.60934 | 63,360.00000 | 5,280.00000 | "
                "1,760.00000 | 1.00000 | 0.86898"},
        Example{&lengthQuantity, "yards", "1760",
                "1,609,344.00000 | 1,609.34400 | 1.60934 | 63,360.00000 | 5,280.00000 | "
                "1,760.00000 | 1.00000 | 0.86898"},
        Example{&areaQuantity, "acres", "1",
                "4,046,860,000.0000000000 | 40,468,600.0000000000 | 4,046.8600000000 | "
                "0.0040468600 | 6,272,645.5452910900 | 43,560.0385089659 | 4,840.0042787740 | "
                "0.0015625014 | 1.0000000000 | 0.4046860000"},
        Example{&areaQuantity, "hectares", "1",
                "10,000,000,000.0000000000 | 100,000,000.0000000000 | 10,000.0000000000 | "
                "0.0100000000 | 15,500,031.0000620000 | 107,639.1041670970 | 11,959.9004630108 | "
                "0.0038610216 | 2.4710516302 | 1.0000000000"},
        Example{&areaQuantity, "square-miles", "1",
                "2,589,988,110,000.0000000000 | 25,899,881,100.0000000000 | 2,589,988.1100000000 | "
                "2.5899881100 | 4,014,489,599.4792000000 | 27,878,399.9963833000 | "
                "3,097,599.9995981500 | 1.0000000000 | 639.9994341292 | 258.9988110000"},
        Example{&areaQuantity, "square-millimetres", "1",
                "1.0000000000 | 0.0100000000 | 0.0000010000 | 0.0000000000 | 0.0015500031 | "
                "0.0000107639 | 0.0000011960 | 0.0000000000 | 0.0000000002 | 0.0000000001"},
        Example{&areaQuantity, "square-feet", "1",
                "92,903.0400000000 | 929.0304000000 | 0.0929030400 | 0.0000000929 | 144.0000000000 "
                "| 1.0000000000 | 0.1111111111 | 0.0000000359 | 0.0000229568 | 0.0000092903"},
        Example{&areaQuantity, "square-inches", "144",
                "92,903.0400000000 | 929.0304000000 | 0.0929030400 | 0.0000000929 | 144.0000000000 "
                "| 1.0000000000 | 0.1111111111 | 0.0000000359 | 0.0000229568 | 0.0000092903"},
        Example{&areaQuantity, "square-centimetres", "12345",
                "1,234,500.0000000000 | 12,345.0000000000 | 1.2345000000 | 0.0000012345 | "
                "1,913.4788269577 | 13.2880474094 | 1.4764497122 | 0.0000004766 | 0.0003050513 | "
                "0.0001234500"},
        Example{&areaQuantity, "square-metres", "1",
                "1,000,000.0000000000 | 10,000.0000000000 | 1.0000000000 | 0.0000010000 | "
                "1,550.0031000062 | 10.7639104167 | 1.1959900463 | 0.0000003861 | 0.0002471052 | "
                "0.0001000000"},
        Example{&areaQuantity, "square-kilometres", "1",
                "1,000,000,000,000.0000000000 | 10,000,000,000.0000000000 | 1,000,000.0000000000 | "
                "1.0000000000 | 1,550,003,100.0062000000 | 10,763,910.4167097000 | "
                "1,195,990.0463010800 | 0.3861021586 | 247.1051630153 | 100.0000000000"},
        Example{&areaQuantity, "square-yards", "1",
                "836,127.3600000000 | 8,361.2736000000 | 0.8361273600 | 0.0000008361 | "
                "1,296.0000000000 | 9.0000000000 | 1.0000000000 | 0.0000003228 | 0.0002066114 | "
                "0.0000836127"},
        Example{&volumeQuantity, "cubic-metres", "1",
                "1,000,000,000.0000000000 | 1,000,000.0000000000 | 1.0000000000 | 0.0000000010 | "
                "61,023.7440947323 | 35.3146667215 | 1.3079506193 | 0.0000000002"},
        Example{&volumeQuantity, "cubic-kilometres", "1",
                "1,000,000,000,000,000,000.0000000000 | 1,000,000,000,000,000.0000000000 | "
                "1,000,000,000.0000000000 | 1.0000000000 | 61,023,744,094,732.3000000000 | "
                "35,314,666,721.4886000000 | 1,307,950,619.3143900000 | 0.2399127586"},
        Example{&volumeQuantity, "cubic-millimetres", "1",
                "1.0000000000 | 0.0010000000 | 0.0000000010 | 0.0000000000 | 0.0000610237 | "
                "0.0000000353 | 0.0000000013 | 0.0000000000"},
        Example{&volumeQuantity, "cubic-miles", "1",
                "4,168,181,825,000,000,000.0000000000 | 4,168,181,825,000,000.0000000000 | "
                "4,168,181,825.0000000000 | 4.1681818250 | 254,358,061,029,114.0000000000 | "
                "147,197,951,984.4410000000 | 5,451,775,999.4237400000 | 1.0000000000"},
        Example{&volumeQuantity, "cubic-centimetres", "1000",
                "1,000,000.0000000000 | 1,000.0000000000 | 0.0010000000 | 0.0000000000 | "
                "61.0237440947 | 0.0353146667 | 0.0013079506 | 0.0000000000"},
        Example{&volumeQuantity, "cubic-inches", "1728",
                "28,316,846.5920000000 | 28,316.8465920000 | 0.0283168466 | 0.0000000000 | "
                "1,728.0000000000 | 1.0000000000 | 0.0370370370 | 0.0000000000"},
        Example{&volumeQuantity, "cubic-feet", "27",
                "764,554,857.9840000000 | 764,554.8579840000 | 0.7645548580 | 0.0000000008 | "
                "46,656.0000000000 | 27.0000000000 | 1.0000000000 | 0.0000000002"},
        Example{&volumeQuantity, "cubic-yards", "1",
                "764,554,857.9840000000 | 764,554.8579840000 | 0.7645548580 | 0.0000000008 | "
                "46,656.0000000000 | 27.0000000000 | 1.0000000000 | 0.0000000002"},
        Example{&massQuantity, "tonnes", "1",
                "1,000,000.00000 | 1,000.00000 | 1.00000 | 35,273.96584 | 2,204.62286 | 157.47306"},
        Example{&massQuantity, "pounds", "2204.62262",
                "999,999.99916 | 1,000.00000 | 1.00000 | 35,273.96192 | 2,204.62262 | 157.47304"},
        Example{&massQuantity, "pounds", "1",
                "453.59237 | 0.45359 | 0.00045 | 16.00000 | 1.00000 | 0.07143"},
        Example{&massQuantity, "ounces", "16",
                "453.59232 | 0.45359 | 0.00045 | 16.00000 | 1.00000 | 0.07143"},
        Example{&massQuantity, "stone", "1",
                "6,350.29318 | 6.35029 | 0.00635 | 224.00000 | 14.00000 | 1.00000"},
        Example{&massQuantity, "grams", "1",
                "1.00000 | 0.00100 | 0.00000 | 0.03527 | 0.00220 | 0.00016"},
        Example{&massQuantity, "kilograms", "1",
                "1,000.00000 | 1.00000 | 0.00100 | 35.27397 | 2.20462 | 0.15747"},
        Example{&timeQuantity, "weeks", "1",
                "604,800.00000 | 10,080.00000 | 168.00000 | 7.00000 | 1.00000"},
        Example{&timeQuantity, "seconds", "1", "1.00000 | 0.01667 | 0.00028 | 0.00001 | 0.00000"},
        Example{&timeQuantity, "minutes", "90",
                "5,400.00000 | 90.00000 | 1.50000 | 0.06250 | 0.00893"},
        Example{&timeQuantity, "hours", "36",
                "129,600.00000 | 2,160.00000 | 36.00000 | 1.50000 | 0.21429"},
        Example{&timeQuantity, "days", "1.5",
                "129,600.00000 | 2,160.00000 | 36.00000 | 1.50000 | 0.21429"},
        Example{&rainfallQuantity, "millimetres", "25.4",
                "25.40000 | 2.54000 | 0.02540 | 100.00000 | 1.00000 | 0.08333"},
        Example{&rainfallQuantity, "points", "1",
                "0.25400 | 0.02540 | 0.00025 | 1.00000 | 0.01000 | 0.00083"},
        Example{&rainfallQuantity, "feet", "1",
                "304.80000 | 30.48000 | 0.30480 | 1,200.00000 | 12.00000 | 1.00000"},
        Example{&rainfallQuantity, "centimetres", "2.54",
                "25.40000 | 2.54000 | 0.02540 | 100.00000 | 1.00000 | 0.08333"},
        Example{&rainfallQuantity, "metres", "0.5",
                "500.00000 | 50.00000 | 0.50000 | 1,968.50394 | 19.68504 | 1.64042"},
        Example{&rainfallQuantity, "inches", "1",
                "25.40000 | 2.54000 | 0.02540 | 100.00000 | 1.00000 | 0.08333"},
        Example{&windSpeedQuantity, "kilometres-per-hour", "100",
                "100.00000 | 27.77778 | 62.13712 | 91.13444 | 53.99568"},
        Example{&windSpeedQuantity, "knots", "10",
                "18.52000 | 5.14444 | 11.50779 | 16.87810 | 10.00000"},
        Example{&windSpeedQuantity, "feet-per-second", "1",
                "1.09728 | 0.30480 | 0.68182 | 1.00000 | 0.59248"},
        Example{&windSpeedQuantity, "metres-per-second", "10",
                "36.00000 | 10.00000 | 22.36936 | 32.80840 | 19.43844"},
        Example{&windSpeedQuantity, "miles-per-hour", "60",
                "96.56064 | 26.82240 | 60.00000 | 88.00000 | 52.13857"},
        Example{&airPressureQuantity, "hectopascals", "1013.25",
                "101,325.00000 | 1,013.25000 | 1,013.25000 | 760.00210 | 29.92134"},
        Example{&airPressureQuantity, "millimetres-of-mercury", "760",
                "101,324.72000 | 1,013.24720 | 1,013.24720 | 760.00000 | 29.92126"},
        Example{&airPressureQuantity, "inches-of-mercury", "29.92",
                "101,320.45370 | 1,013.20454 | 1,013.20454 | 759.96800 | 29.92000"},
        Example{&airPressureQuantity, "pascals", "101325",
                "101,325.00000 | 1,013.25000 | 1,013.25000 | 760.00210 | 29.92134"},
        Example{&airPressureQuantity, "millibars", "1000",
                "100,000.00000 | 1,000.00000 | 1,000.00000 | 750.06376 | 29.53007"}));

class GermanExamples : public testing::TestWithParam<Example> {};

TEST_P(GermanExamples, ShowCommaDecimalsAndDotGrouping) {
    const Example& example = GetParam();
    EXPECT_EQ(shown(example.table, example.unit, example.input, test::german()), example.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, GermanExamples,
    testing::Values(
        Example{&lengthQuantity, "miles", "1",
                "1.609.344,00000 | 1.609,34400 | 1,60934 | 63.360,00000 | 5.280,00000 | "
                "1.760,00000 | 1,00000 | 0,86898"},
        Example{&areaQuantity, "acres", "1",
                "4.046.860.000,0000000000 | 40.468.600,0000000000 | 4.046,8600000000 | "
                "0,0040468600 | 6.272.645,5452910900 | 43.560,0385089659 | 4.840,0042787740 | "
                "0,0015625014 | 1,0000000000 | 0,4046860000"},
        Example{&volumeQuantity, "cubic-kilometres", "1",
                "1.000.000.000.000.000.000,0000000000 | 1.000.000.000.000.000,0000000000 | "
                "1.000.000.000,0000000000 | 1,0000000000 | 61.023.744.094.732,3000000000 | "
                "35.314.666.721,4886000000 | 1.307.950.619,3143900000 | 0,2399127586"},
        Example{&massQuantity, "tonnes", "1",
                "1.000.000,00000 | 1.000,00000 | 1,00000 | 35.273,96584 | 2.204,62286 | 157,47306"},
        Example{&airPressureQuantity, "hectopascals", "1013,25",
                "101.325,00000 | 1.013,25000 | 1.013,25000 | 760,00210 | 29,92134"}));

TEST(TenDecimalTables, ShowTinyAndHugeValues) {
    EXPECT_EQ(shown(&volumeQuantity, "cubic-kilometres", "1e-9", test::english()),
              "1,000,000,000.0000000000 | 1,000,000.0000000000 | 1.0000000000 | 0.0000000010 | "
              "61,023.7440947323 | 35.3146667215 | 1.3079506193 | 0.0000000002");
    EXPECT_EQ(shown(&volumeQuantity, "cubic-kilometres", "-1", test::english()),
              "-1,000,000,000,000,000,000.0000000000 | -1,000,000,000,000,000.0000000000 | "
              "-1,000,000,000.0000000000 | -1.0000000000 | -61,023,744,094,732.3000000000 | "
              "-35,314,666,721.4886000000 | -1,307,950,619.3143900000 | -0.2399127586");
    EXPECT_EQ(shown(&areaQuantity, "square-millimetres", "-0.00000000001", test::english()),
              "0.0000000000 | 0.0000000000 | 0.0000000000 | 0.0000000000 | 0.0000000000 | "
              "0.0000000000 | 0.0000000000 | 0.0000000000 | 0.0000000000 | 0.0000000000");
}

// A result beyond the double range writes nothing, whichever output it is in; a row whose
// results all stay in range is written even for an input near the top of the range.
TEST(ConversionTables, AResultOutsideTheDoubleRangeGivesNoOutputs) {
    EXPECT_EQ(shown(&volumeQuantity, "cubic-kilometres", "1e300", test::english()), "");
    EXPECT_EQ(shown(&lengthQuantity, "nautical-miles", "1e308", test::english()), "");
    EXPECT_EQ(shown(&airPressureQuantity, "inches-of-mercury", "-1e306", test::english()), "");
    EXPECT_NE(shown(&timeQuantity, "seconds", "1e308", test::english()), "");
}

}  // namespace
}  // namespace nimbaro
