#include <QLocale>
#include <string>

#include "calculation_fixture.h"

namespace nimbaro::test {
namespace {

// Options clicked in this order, then the entries typed and "&Calculate" pressed.
struct Case {
    const char* window;
    std::vector<const char*> choices;
    std::vector<Entry> entries;
    std::vector<QString> shown;
};

void PrintTo(const Case& example, std::ostream* out) {
    *out << example.window;
    for (const char* choice : example.choices) {
        *out << " " << choice;
    }
    for (const Entry& entry : example.entries) {
        *out << " " << entry.text;
    }
}

class WeatherExamples : public CalculationFixture, public testing::WithParamInterface<Case> {};

TEST_P(WeatherExamples, ShowTheWorkedValuesWithoutAMessage) {
    launchCalculation(GetParam().window);
    for (const char* choice : GetParam().choices) {
        choose(choice);
    }
    const Click click = calculate(GetParam().entries);
    EXPECT_EQ(click.outputs, GetParam().shown);
    EXPECT_TRUE(click.messages.empty());
}

// The values observers know from the documentation of each window, and the limits it names:
// no threshold on the heat index or the wind chill, any accepted wind speed or time. The
// lightning examples cover both methods and every unit.
INSTANTIATE_TEST_SUITE_P(
    DocumentedHeatIndex, WeatherExamples,
    testing::Values(Case{"frmHeatIndex",
                         {"optAirTempHumidity", "optCelsius"},
                         {{"txtAirTemp", "30"}, {"txtHumidity", "50"}},
                         {"31.48691", "88.67645", "304.63691"}},
                    Case{"frmHeatIndex",
                         {"optAirTempHumidity", "optFahrenheit"},
                         {{"txtAirTemp", "86"}, {"txtHumidity", "50"}},
                         {"31.48691", "88.67645", "304.63691"}},
                    Case{"frmHeatIndex",
                         {"optAirTempHumidity", "optKelvin"},
                         {{"txtAirTemp", "303.15"}, {"txtHumidity", "50"}},
                         {"31.48691", "88.67645", "304.63691"}},
                    Case{"frmHeatIndex",
                         {"optAirTempHumidity", "optCelsius"},
                         {{"txtAirTemp", "20"}, {"txtHumidity", "50"}},
                         {"24.31015", "75.75827", "297.46015"}},
                    Case{"frmHeatIndex",
                         {"optAirTempHumidity", "optCelsius"},
                         {{"txtAirTemp", "0"}, {"txtHumidity", "50"}},
                         {"60.85035", "141.53063", "334.00035"}},
                    Case{"frmHeatIndex",
                         {"optAirTempHumidity", "optCelsius"},
                         {{"txtAirTemp", "30"}, {"txtHumidity", "100"}},
                         {"43.24492", "109.84086", "316.39492"}},
                    Case{"frmHeatIndex",
                         {"optAirTempHumidity", "optCelsius"},
                         {{"txtAirTemp", "30"}, {"txtHumidity", "0.001"}},
                         {"25.51011", "77.91819", "298.66011"}},
                    Case{"frmHeatIndex",
                         {"optAirTempDew", "optCelsius"},
                         {{"txtAirTemp", "30"}, {"txtDewPoint", "20"}},
                         {"32.27788", "90.10019", "305.42788"}},
                    Case{"frmHeatIndex",
                         {"optAirTempDew", "optFahrenheit"},
                         {{"txtAirTemp", "86"}, {"txtDewPoint", "68"}},
                         {"32.27788", "90.10019", "305.42788"}},
                    Case{"frmHeatIndex",
                         {"optAirTempDew", "optKelvin"},
                         {{"txtAirTemp", "303.15"}, {"txtDewPoint", "293.15"}},
                         {"32.27788", "90.10019", "305.42788"}},
                    Case{
                        "frmHeatIndex",
                        {"optAirTempWetBAirPressure", "optCelsius", "optHpaMb"},
                        {{"txtAirTemp", "30"}, {"txtWetBulb", "25"}, {"txtAirPressure", "1013.25"}},
                        {"33.98077", "93.16539", "307.13077"}},
                    Case{"frmHeatIndex",
                         {"optAirTempWetBAirPressure", "optCelsius", "optmmOfHg"},
                         {{"txtAirTemp", "30"}, {"txtWetBulb", "25"}, {"txtAirPressure", "760"}},
                         {"33.98078", "93.16540", "307.13078"}},
                    Case{"frmHeatIndex",
                         {"optAirTempWetBAirPressure", "optCelsius", "optinOfHg"},
                         {{"txtAirTemp", "30"}, {"txtWetBulb", "25"}, {"txtAirPressure", "29.92"}},
                         {"33.98085", "93.16554", "307.13085"}}));

INSTANTIATE_TEST_SUITE_P(
    DocumentedCloudHeight, WeatherExamples,
    testing::Values(Case{"frmCloudHeight",
                         {"optAirTempHumidity", "optCelsius"},
                         {{"txtAirTemp", "30"}, {"txtHumidity", "50"}},
                         {"1,447.29113", "4,748.33048"}},
                    Case{"frmCloudHeight",
                         {"optAirTempHumidity", "optFahrenheit"},
                         {{"txtAirTemp", "86"}, {"txtHumidity", "50"}},
                         {"1,447.29113", "4,748.33048"}},
                    Case{"frmCloudHeight",
                         {"optAirTempHumidity", "optKelvin"},
                         {{"txtAirTemp", "303.15"}, {"txtHumidity", "50"}},
                         {"1,447.29113", "4,748.33048"}},
                    Case{"frmCloudHeight",
                         {"optAirTempHumidity", "optCelsius"},
                         {{"txtAirTemp", "30"}, {"txtHumidity", "100"}},
                         {"0.17083", "0.56046"}},
                    Case{"frmCloudHeight",
                         {"optAirTempHumidity", "optCelsius"},
                         {{"txtAirTemp", "20"}, {"txtHumidity", "100"}},
                         {"0.11069", "0.36317"}},
                    Case{"frmCloudHeight",
                         {"optAirTempDew", "optCelsius"},
                         {{"txtAirTemp", "30"}, {"txtDewPoint", "20"}},
                         {"1,250.00000", "4,101.04987"}},
                    Case{"frmCloudHeight",
                         {"optAirTempDew", "optFahrenheit"},
                         {{"txtAirTemp", "86"}, {"txtDewPoint", "68"}},
                         {"1,250.00000", "4,101.04987"}},
                    Case{"frmCloudHeight",
                         {"optAirTempDew", "optKelvin"},
                         {{"txtAirTemp", "303.15"}, {"txtDewPoint", "293.15"}},
                         {"1,250.00000", "4,101.04987"}},
                    Case{"frmCloudHeight",
                         {"optAirTempDew", "optCelsius"},
                         {{"txtAirTemp", "20"}, {"txtDewPoint", "25"}},
                         {"-625.00000", "-2,050.52493"}},
                    Case{
                        "frmCloudHeight",
                        {"optAirTempWetBAirPressure", "optCelsius", "optHpaMb"},
                        {{"txtAirTemp", "30"}, {"txtWetBulb", "25"}, {"txtAirPressure", "1013.25"}},
                        {"916.84146", "3,008.01002"}},
                    Case{"frmCloudHeight",
                         {"optAirTempWetBAirPressure", "optCelsius", "optmmOfHg"},
                         {{"txtAirTemp", "30"}, {"txtWetBulb", "25"}, {"txtAirPressure", "760"}},
                         {"916.84060", "3,008.00721"}},
                    Case{"frmCloudHeight",
                         {"optAirTempWetBAirPressure", "optCelsius", "optinOfHg"},
                         {{"txtAirTemp", "30"}, {"txtWetBulb", "25"}, {"txtAirPressure", "29.92"}},
                         {"916.82752", "3,007.96430"}}));

INSTANTIATE_TEST_SUITE_P(DocumentedWindChill, WeatherExamples,
                         testing::Values(Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optCelsius", "optKmPerHour"},
                                              {{"txtInTemp", "0"}, {"txtInWind", "20"}},
                                              {"-5.22311", "22.59840", "267.92689"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optFahrenheit", "optMilesPerHour"},
                                              {{"txtInTemp", "10"}, {"txtInWind", "15"}},
                                              {"-21.43863", "-6.58953", "251.71137"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optCelsius", "optKmPerHour"},
                                              {{"txtInTemp", "0"}, {"txtInWind", "20"}},
                                              {"-9.30066", "15.25881", "263.84934"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optCelsius", "optMPerSec"},
                                              {{"txtInTemp", "-10"}, {"txtInWind", "10"}},
                                              {"-29.16035", "-20.48863", "243.98965"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optCelsius", "optKmPerHour"},
                                              {{"txtInTemp", "0"}, {"txtInWind", "0.001"}},
                                              {"9.36426", "48.85566", "282.51426"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optCelsius", "optKmPerHour"},
                                              {{"txtInTemp", "0"}, {"txtInWind", "0.001"}},
                                              {"17.43039", "63.37470", "290.58039"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optCelsius", "optKmPerHour"},
                                              {{"txtInTemp", "40"}, {"txtInWind", "1"}},
                                              {"42.47083", "108.44750", "315.62083"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optCelsius", "optKmPerHour"},
                                              {{"txtInTemp", "40"}, {"txtInWind", "1"}},
                                              {"37.83591", "100.10464", "310.98591"}}));

INSTANTIATE_TEST_SUITE_P(
    DocumentedLightning, WeatherExamples,
    testing::Values(Case{"frmLightningDistance",
                         {"optNoCorrection"},
                         {{"txtTime", "3"}},
                         {"993.00000", "0.99300", "3,257.87402", "0.61702"}},
                    Case{"frmLightningDistance",
                         {"optNoCorrection"},
                         {{"txtTime", "1"}},
                         {"331.00000", "0.33100", "1,085.95801", "0.20567"}},
                    Case{"frmLightningDistance",
                         {"optNoCorrection"},
                         {{"txtTime", "0.5"}},
                         {"165.50000", "0.16550", "542.97900", "0.10284"}},
                    Case{"frmLightningDistance",
                         {"optAirTempCorrection", "optCelsius"},
                         {{"txtTime", "3"}, {"txtAirTemp", "20"}},
                         {"1,029.00000", "1.02900", "3,375.98425", "0.63939"}},
                    Case{"frmLightningDistance",
                         {"optAirTempCorrection", "optFahrenheit"},
                         {{"txtTime", "3"}, {"txtAirTemp", "68"}},
                         {"1,029.00000", "1.02900", "3,375.98425", "0.63939"}},
                    Case{"frmLightningDistance",
                         {"optAirTempCorrection", "optKelvin"},
                         {{"txtTime", "3"}, {"txtAirTemp", "293.15"}},
                         {"1,029.00000", "1.02900", "3,375.98425", "0.63939"}},
                    Case{"frmLightningDistance",
                         {"optAirTempCorrection", "optFahrenheit"},
                         {{"txtTime", "10"}, {"txtAirTemp", "50"}},
                         {"3,370.00000", "3.37000", "11,056.43045", "2.09402"}},
                    Case{"frmLightningDistance",
                         {"optAirTempCorrection", "optCelsius"},
                         {{"txtTime", "5"}, {"txtAirTemp", "-40"}},
                         {"1,535.00000", "1.53500", "5,036.08924", "0.95380"}}));

// With the documented values above, every method with every unit of every group it reads,
// worked out separately from the formulas, with values that differ per unit so that each
// conversion shows.
INSTANTIATE_TEST_SUITE_P(
    EveryUnitHeatIndex, WeatherExamples,
    testing::Values(
        Case{"frmHeatIndex",
             {"optAirTempWetBAirPressure", "optFahrenheit", "optHpaMb"},
             {{"txtAirTemp", "80"}, {"txtWetBulb", "65"}, {"txtAirPressure", "1013.25"}},
             {"26.65156", "79.97280", "299.80156"}},
        Case{"frmHeatIndex",
             {"optAirTempWetBAirPressure", "optFahrenheit", "optmmOfHg"},
             {{"txtAirTemp", "80"}, {"txtWetBulb", "65"}, {"txtAirPressure", "760"}},
             {"26.65156", "79.97281", "299.80156"}},
        Case{"frmHeatIndex",
             {"optAirTempWetBAirPressure", "optFahrenheit", "optinOfHg"},
             {{"txtAirTemp", "80"}, {"txtWetBulb", "65"}, {"txtAirPressure", "29.92"}},
             {"26.65162", "79.97291", "299.80162"}},
        Case{"frmHeatIndex",
             {"optAirTempWetBAirPressure", "optKelvin", "optHpaMb"},
             {{"txtAirTemp", "300"}, {"txtWetBulb", "292"}, {"txtAirPressure", "1013.25"}},
             {"26.97016", "80.54628", "300.12016"}},
        Case{"frmHeatIndex",
             {"optAirTempWetBAirPressure", "optKelvin", "optmmOfHg"},
             {{"txtAirTemp", "300"}, {"txtWetBulb", "292"}, {"txtAirPressure", "760"}},
             {"26.97016", "80.54629", "300.12016"}},
        Case{"frmHeatIndex",
             {"optAirTempWetBAirPressure", "optKelvin", "optinOfHg"},
             {{"txtAirTemp", "300"}, {"txtWetBulb", "292"}, {"txtAirPressure", "29.92"}},
             {"26.97022", "80.54639", "300.12022"}}));

INSTANTIATE_TEST_SUITE_P(
    EveryUnitCloudHeight, WeatherExamples,
    testing::Values(
        Case{"frmCloudHeight",
             {"optAirTempWetBAirPressure", "optFahrenheit", "optHpaMb"},
             {{"txtAirTemp", "80"}, {"txtWetBulb", "65"}, {"txtAirPressure", "1013.25"}},
             {"1,805.17889", "5,922.50291"}},
        Case{"frmCloudHeight",
             {"optAirTempWetBAirPressure", "optFahrenheit", "optmmOfHg"},
             {{"txtAirTemp", "80"}, {"txtWetBulb", "65"}, {"txtAirPressure", "760"}},
             {"1,805.17636", "5,922.49463"}},
        Case{"frmCloudHeight",
             {"optAirTempWetBAirPressure", "optFahrenheit", "optinOfHg"},
             {{"txtAirTemp", "80"}, {"txtWetBulb", "65"}, {"txtAirPressure", "29.92"}},
             {"1,805.13793", "5,922.36854"}},
        Case{"frmCloudHeight",
             {"optAirTempWetBAirPressure", "optKelvin", "optHpaMb"},
             {{"txtAirTemp", "300"}, {"txtWetBulb", "292"}, {"txtAirPressure", "1013.25"}},
             {"1,703.53891", "5,589.03842"}},
        Case{"frmCloudHeight",
             {"optAirTempWetBAirPressure", "optKelvin", "optmmOfHg"},
             {{"txtAirTemp", "300"}, {"txtWetBulb", "292"}, {"txtAirPressure", "760"}},
             {"1,703.53662", "5,589.03091"}},
        Case{"frmCloudHeight",
             {"optAirTempWetBAirPressure", "optKelvin", "optinOfHg"},
             {{"txtAirTemp", "300"}, {"txtWetBulb", "292"}, {"txtAirPressure", "29.92"}},
             {"1,703.50175", "5,588.91652"}}));

INSTANTIATE_TEST_SUITE_P(EveryUnitWindChill, WeatherExamples,
                         testing::Values(Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optCelsius", "optKmPerHour"},
                                              {{"txtInTemp", "-5"}, {"txtInWind", "20"}},
                                              {"-11.52956", "11.24679", "261.62044"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optCelsius", "optMPerSec"},
                                              {{"txtInTemp", "-5"}, {"txtInWind", "20"}},
                                              {"-16.43110", "2.42403", "256.71890"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optCelsius", "optMilesPerHour"},
                                              {{"txtInTemp", "-5"}, {"txtInWind", "20"}},
                                              {"-13.23418", "8.17848", "259.91582"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optCelsius", "optKnots"},
                                              {{"txtInTemp", "-5"}, {"txtInWind", "20"}},
                                              {"-13.76260", "7.22732", "259.38740"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optFahrenheit", "optKmPerHour"},
                                              {{"txtInTemp", "25"}, {"txtInWind", "20"}},
                                              {"-10.12813", "13.76937", "263.02187"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optFahrenheit", "optMPerSec"},
                                              {{"txtInTemp", "25"}, {"txtInWind", "20"}},
                                              {"-14.86796", "5.23766", "258.28204"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optFahrenheit", "optMilesPerHour"},
                                              {{"txtInTemp", "25"}, {"txtInWind", "20"}},
                                              {"-11.77651", "10.80228", "261.37349"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optFahrenheit", "optKnots"},
                                              {{"txtInTemp", "25"}, {"txtInWind", "20"}},
                                              {"-12.28750", "9.88250", "260.86250"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optKelvin", "optKmPerHour"},
                                              {{"txtInTemp", "265"}, {"txtInWind", "20"}},
                                              {"-15.50262", "4.09528", "257.64738"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optKelvin", "optMPerSec"},
                                              {{"txtInTemp", "265"}, {"txtInWind", "20"}},
                                              {"-20.86257", "-5.55263", "252.28743"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optKelvin", "optMilesPerHour"},
                                              {{"txtInTemp", "265"}, {"txtInWind", "20"}},
                                              {"-17.36666", "0.74001", "255.78334"}},
                                         Case{"frmWindChillCalculations",
                                              {"optNewFormula", "optKelvin", "optKnots"},
                                              {{"txtInTemp", "265"}, {"txtInWind", "20"}},
                                              {"-17.94451", "-0.30011", "255.20549"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optCelsius", "optKmPerHour"},
                                              {{"txtInTemp", "-5"}, {"txtInWind", "20"}},
                                              {"-15.70985", "3.72227", "257.44015"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optCelsius", "optMPerSec"},
                                              {{"txtInTemp", "-5"}, {"txtInWind", "20"}},
                                              {"-27.27623", "-17.09722", "245.87377"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optCelsius", "optMilesPerHour"},
                                              {{"txtInTemp", "-5"}, {"txtInWind", "20"}},
                                              {"-20.79002", "-5.42203", "252.35998"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optCelsius", "optKnots"},
                                              {{"txtInTemp", "-5"}, {"txtInWind", "20"}},
                                              {"-22.21633", "-7.98939", "250.93367"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optFahrenheit", "optKmPerHour"},
                                              {{"txtInTemp", "25"}, {"txtInWind", "20"}},
                                              {"-14.28559", "6.28594", "258.86441"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optFahrenheit", "optMPerSec"},
                                              {{"txtInTemp", "25"}, {"txtInWind", "20"}},
                                              {"-25.51377", "-13.92478", "247.63623"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optFahrenheit", "optMilesPerHour"},
                                              {{"txtInTemp", "25"}, {"txtInWind", "20"}},
                                              {"-19.21721", "-2.59098", "253.93279"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optFahrenheit", "optKnots"},
                                              {{"txtInTemp", "25"}, {"txtInWind", "20"}},
                                              {"-20.60182", "-5.08327", "252.54818"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optKelvin", "optKmPerHour"},
                                              {{"txtInTemp", "265"}, {"txtInWind", "20"}},
                                              {"-19.74764", "-3.54576", "253.40236"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optKelvin", "optMPerSec"},
                                              {{"txtInTemp", "265"}, {"txtInWind", "20"}},
                                              {"-32.27281", "-26.09106", "240.87719"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optKelvin", "optMilesPerHour"},
                                              {{"txtInTemp", "265"}, {"txtInWind", "20"}},
                                              {"-25.24893", "-13.44807", "247.90107"}},
                                         Case{"frmWindChillCalculations",
                                              {"optOldFormula", "optKelvin", "optKnots"},
                                              {{"txtInTemp", "265"}, {"txtInWind", "20"}},
                                              {"-26.79347", "-16.22825", "246.35653"}}));

TEST_F(CalculationFixture, LightningDistancesReadAndShowGermanNumbers) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    launchCalculation("frmLightningDistance");
    choose("optAirTempCorrection");
    const Click click = calculate({{"txtTime", "1,5e1"}, {"txtAirTemp", "20,0"}});
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(click.outputs,
              (std::vector<QString>{"5.145,00000", "5,14500", "16.879,92126", "3,19695"}));
    EXPECT_TRUE(click.messages.empty());
}

}  // namespace
}  // namespace nimbaro::test
