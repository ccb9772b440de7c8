#include <QLocale>
#include <string>

#include "calculation_fixture.h"

namespace nimbaro::test {
namespace {

struct Example {
    const char* window;
    const char* method;
    const char* temperatureUnit;
    const char* pressureUnit;  // nullptr where the method reads no pressure
    std::vector<Entry> entries;
    std::vector<QString> shown;
};

struct UnitExample {
    const char* window;
    const char* method;
    const char* temperatureUnit;
    // In hectopascals, mm of Hg and in of Hg; one only where the method reads no pressure.
    std::vector<std::vector<QString>> shownByPressureUnit;
};

void PrintTo(const UnitExample& example, std::ostream* out) {
    *out << example.window << " " << example.method << " " << example.temperatureUnit;
}

void PrintTo(const Example& example, std::ostream* out) {
    *out << example.window << " " << example.method << " " << example.temperatureUnit << " "
         << (example.pressureUnit ? example.pressureUnit : "");
}

class CalculationExamples : public CalculationFixture, public testing::WithParamInterface<Example> {
  protected:
    Click calculateExample() {
        const Example& example = GetParam();
        launchCalculation(example.window);
        choose(example.method);
        choose(example.temperatureUnit);
        if (example.pressureUnit != nullptr) {
            choose(example.pressureUnit);
        }
        return calculate(example.entries);
    }
};

TEST_P(CalculationExamples, ShowTheWorkedValuesWithoutAMessage) {
    const Click click = calculateExample();
    EXPECT_EQ(click.outputs, GetParam().shown);
    EXPECT_TRUE(click.messages.empty());
}

// Every method with every temperature unit and, where the method reads a pressure, every
// pressure unit, worked out separately from the formulas. The typed values (typicalEntries)
// differ per unit so that each conversion shows.
class EveryUnit : public CalculationFixture, public testing::WithParamInterface<UnitExample> {};

TEST_P(EveryUnit, ShowsTheWorkedValuesWithoutAMessage) {
    const UnitExample& example = GetParam();
    launchCalculation(example.window);
    choose(example.method);
    choose(example.temperatureUnit);
    const auto pressureUnits =
        find<QWidget>(window_, "fmeAirPressure")->findChildren<QRadioButton*>();
    for (std::size_t i = 0; i < example.shownByPressureUnit.size(); ++i) {
        const std::string pressureUnit =
            pressureUnits[static_cast<qsizetype>(i)]->objectName().toStdString();
        SCOPED_TRACE(pressureUnit);
        if (example.shownByPressureUnit.size() > 1) {
            choose(pressureUnit.c_str());
        }
        const Click click =
            calculate(typicalEntries(example.temperatureUnit, pressureUnit.c_str()));
        EXPECT_EQ(click.outputs, example.shownByPressureUnit[i]);
        EXPECT_TRUE(click.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Moisture, EveryUnit,
    testing::Values(UnitExample{"frmHumidity", "optAirTempDewPoint", "optCelsius", {{"52.56703"}}},
                    UnitExample{
                        "frmHumidity", "optAirTempDewPoint", "optFahrenheit", {{"50.59909"}}},
                    UnitExample{"frmHumidity", "optAirTempDewPoint", "optKelvin", {{"39.34982"}}},
                    UnitExample{"frmHumidity",
                                "optAirTempWetBulbAirPressure",
                                "optCelsius",
                                {{"55.52017"}, {"55.52022"}, {"55.52095"}}},
                    UnitExample{"frmHumidity",
                                "optAirTempWetBulbAirPressure",
                                "optFahrenheit",
                                {{"40.77010"}, {"40.77015"}, {"40.77098"}}},
                    UnitExample{"frmHumidity",
                                "optAirTempWetBulbAirPressure",
                                "optKelvin",
                                {{"43.05221"}, {"43.05226"}, {"43.05304"}}},
                    UnitExample{"frmDewPoint",
                                "optAirTempHumidity",
                                "optCelsius",
                                {{"7.69813", "45.85663", "280.84813"}}},
                    UnitExample{"frmDewPoint",
                                "optAirTempHumidity",
                                "optFahrenheit",
                                {{"13.73579", "56.72442", "286.88579"}}},
                    UnitExample{"frmDewPoint",
                                "optAirTempHumidity",
                                "optKelvin",
                                {{"13.90161", "57.02291", "287.05161"}}},
                    UnitExample{"frmDewPoint",
                                "optAirTempWetBulbAirPressure",
                                "optCelsius",
                                {{"10.81965", "51.47537", "283.96965"},
                                 {"10.81966", "51.47539", "283.96966"},
                                 {"10.81986", "51.47575", "283.96986"}}},
                    UnitExample{"frmDewPoint",
                                "optAirTempWetBulbAirPressure",
                                "optFahrenheit",
                                {{"12.22524", "54.00542", "285.37524"},
                                 {"12.22526", "54.00546", "285.37526"},
                                 {"12.22556", "54.00601", "285.37556"}}},
                    UnitExample{"frmDewPoint",
                                "optAirTempWetBulbAirPressure",
                                "optKelvin",
                                {{"13.22169", "55.79904", "286.37169"},
                                 {"13.22171", "55.79907", "286.37171"},
                                 {"13.22199", "55.79957", "286.37199"}}},
                    UnitExample{"frmWetBulb",
                                "optAirTempHumidity",
                                "optCelsius",
                                {{"13.64452", "56.56014", "286.79452"},
                                 {"13.64451", "56.56012", "286.79451"},
                                 {"13.64438", "56.55989", "286.79438"}}},
                    UnitExample{"frmWetBulb",
                                "optAirTempHumidity",
                                "optFahrenheit",
                                {{"18.86429", "65.95573", "292.01429"},
                                 {"18.86429", "65.95571", "292.01429"},
                                 {"18.86415", "65.95548", "292.01415"}}},
                    UnitExample{"frmWetBulb",
                                "optAirTempHumidity",
                                "optKelvin",
                                {{"19.00783", "66.21410", "292.15783"},
                                 {"19.00783", "66.21409", "292.15783"},
                                 {"19.00770", "66.21385", "292.15770"}}},
                    UnitExample{"frmWetBulb",
                                "optAirTempDewPoint",
                                "optCelsius",
                                {{"14.49353", "58.08835", "287.64353"},
                                 {"14.49352", "58.08834", "287.64352"},
                                 {"14.49342", "58.08815", "287.64342"}}},
                    UnitExample{"frmWetBulb",
                                "optAirTempDewPoint",
                                "optFahrenheit",
                                {{"19.69196", "67.44553", "292.84196"},
                                 {"19.69196", "67.44552", "292.84196"},
                                 {"19.69185", "67.44532", "292.84185"}}},
                    UnitExample{"frmWetBulb",
                                "optAirTempDewPoint",
                                "optKelvin",
                                {{"18.19211", "64.74579", "291.34211"},
                                 {"18.19210", "64.74578", "291.34210"},
                                 {"18.19194", "64.74550", "291.34194"}}}));

// The values observers know from the documentation of each window.
INSTANTIATE_TEST_SUITE_P(
    Documented, CalculationExamples,
    testing::Values(
        Example{"frmHumidity",
                "optAirTempDewPoint",
                "optCelsius",
                nullptr,
                {{"txtAirTemp", "20"}, {"txtDewPoint", "20"}},
                {"100.00000"}},
        Example{"frmHumidity",
                "optAirTempDewPoint",
                "optKelvin",
                nullptr,
                {{"txtAirTemp", "293.15"}, {"txtDewPoint", "283.15"}},
                {"52.56703"}},
        Example{"frmHumidity",
                "optAirTempDewPoint",
                "optCelsius",
                nullptr,
                {{"txtAirTemp", "20"}, {"txtDewPoint", "25"}},
                {"135.41592"}},
        Example{"frmDewPoint",
                "optAirTempHumidity",
                "optCelsius",
                nullptr,
                {{"txtAirTemp", "20"}, {"txtHumidity", "50"}},
                {"9.25352", "48.65634", "282.40352"}},
        Example{"frmDewPoint",
                "optAirTempHumidity",
                "optCelsius",
                nullptr,
                {{"txtAirTemp", "20"}, {"txtHumidity", "100"}},
                {"19.99911", "67.99841", "293.14911"}},
        Example{"frmDewPoint",
                "optAirTempHumidity",
                "optCelsius",
                nullptr,
                {{"txtAirTemp", "20"}, {"txtHumidity", "0.001"}},
                {"-88.11225", "-126.60205", "185.03775"}},
        Example{"frmWetBulb",
                "optAirTempHumidity",
                "optCelsius",
                "optHectopascalsMillibars",
                {{"txtAirTemp", "20"}, {"txtHumidity", "50"}, {"txtAirPressure", "1013.25"}},
                {"14.19980", "57.55964", "287.34980"}},
        Example{"frmWetBulb",
                "optAirTempHumidity",
                "optCelsius",
                "optHectopascalsMillibars",
                {{"txtAirTemp", "20"}, {"txtHumidity", "100"}, {"txtAirPressure", "1013.25"}},
                {"19.99940", "67.99891", "293.14940"}},
        Example{"frmWetBulb",
                "optAirTempHumidity",
                "optFahrenheit",
                "optHectopascalsMillibars",
                {{"txtAirTemp", "68"}, {"txtHumidity", "50"}, {"txtAirPressure", "1013.25"}},
                {"14.19980", "57.55964", "287.34980"}},
        Example{"frmWetBulb",
                "optAirTempHumidity",
                "optKelvin",
                "optHectopascalsMillibars",
                {{"txtAirTemp", "293.15"}, {"txtHumidity", "50"}, {"txtAirPressure", "1013.25"}},
                {"14.19980", "57.55964", "287.34980"}},
        Example{"frmWetBulb",
                "optAirTempHumidity",
                "optCelsius",
                "optmmOfHg",
                {{"txtAirTemp", "20"}, {"txtHumidity", "50"}, {"txtAirPressure", "760"}},
                {"14.19979", "57.55963", "287.34979"}},
        Example{"frmWetBulb",
                "optAirTempHumidity",
                "optCelsius",
                "optHectopascalsMillibars",
                {{"txtAirTemp", "20"}, {"txtHumidity", "50"}, {"txtAirPressure", "0"}},
                {"9.25352", "48.65634", "282.40352"}},
        Example{"frmWetBulb",
                "optAirTempDewPoint",
                "optCelsius",
                "optHectopascalsMillibars",
                {{"txtAirTemp", "20"}, {"txtDewPoint", "20"}, {"txtAirPressure", "1013.25"}},
                {"20.00000", "68.00000", "293.15000"}},
        Example{"frmWetBulb",
                "optAirTempDewPoint",
                "optCelsius",
                "optHectopascalsMillibars",
                {{"txtAirTemp", "20"}, {"txtDewPoint", "25"}, {"txtAirPressure", "1013.25"}},
                {"23.68648", "74.63566", "296.83648"}},
        Example{"frmWetBulb",
                "optAirTempDewPoint",
                "optFahrenheit",
                "optHectopascalsMillibars",
                {{"txtAirTemp", "68"}, {"txtDewPoint", "50"}, {"txtAirPressure", "1013.25"}},
                {"14.49353", "58.08835", "287.64353"}},
        Example{
            "frmWetBulb",
            "optAirTempDewPoint",
            "optKelvin",
            "optHectopascalsMillibars",
            {{"txtAirTemp", "293.15"}, {"txtDewPoint", "283.15"}, {"txtAirPressure", "1013.25"}},
            {"14.49353", "58.08835", "287.64353"}},
        // Blanks, exponents and grouping are read as everywhere else.
        Example{"frmHumidity",
                "optAirTempDewPoint",
                "optCelsius",
                nullptr,
                {{"txtAirTemp", " 2e1 "}, {"txtDewPoint", "1e1"}},
                {"52.56703"}},
        Example{"frmDewPoint",
                "optAirTempWetBulbAirPressure",
                "optCelsius",
                "optmmOfHg",
                {{"txtAirTemp", "20"}, {"txtWetBulb", "15"}, {"txtAirPressure", "1,013.25"}},
                {"9.16596", "48.49872", "282.31596"}}));

class GermanCalculation : public CalculationFixture {};

TEST_F(GermanCalculation, ReadsAndShowsGermanNumbers) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    launchCalculation("frmWetBulb");
    choose("optKelvin");
    const Click click = calculate(
        {{"txtAirTemp", "293,15"}, {"txtHumidity", "50"}, {"txtAirPressure", "1.013,25"}});
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(click.outputs, (std::vector<QString>{"14,19980", "57,55964", "287,34980"}));
    EXPECT_TRUE(click.messages.empty());
}

}  // namespace
}  // namespace nimbaro::test
