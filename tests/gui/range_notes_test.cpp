#include <QLocale>

#include "calculation_fixture.h"
#include "caption_fit.h"
#include "message_catcher.h"

namespace nimbaro::test {
namespace {

const QString kHeatIndexBelow80F =
    QStringLiteral("Heat index formula is meant for 80 °F (26.7 °C) and above");
const QString kWindChillAbove50F =
    QStringLiteral("New formula is meant for 50 °F (10 °C) and below");
const QString kWindChillBelow3Mph =
    QStringLiteral("New formula is meant for winds of 3 mph (4.8 km/h) and above");
const QString kWindChillOutsideBoth =
    QStringLiteral("New formula is meant for 50 °F and below, winds of 3 mph and above");
const QString kDewPointAboveAir =
    QStringLiteral("Dew point above air temperature: humidity over 100 %");
const QString kWetBulbAboveAir =
    QStringLiteral("Wet bulb above air temperature: humidity over 100 %");
const QString kNoCloudBase = QStringLiteral("No cloud base: dew point above air temperature");
const QString kNegativeSpeedOfSound =
    QStringLiteral("Speed of sound below zero at this air temperature");
const QString kBelowAbsoluteZero = QStringLiteral("Temperature below absolute zero (−273.15 °C)");
const QString kNoAirPressure = QStringLiteral("No air pressure: pressure at or below zero");

// One calculation on a bound or just past it. The bound itself is inside the range: no note.
struct NoteCase {
    const char* window;
    std::vector<const char*> options;
    std::vector<Entry> entries;
    QString note;
};

void PrintTo(const NoteCase& noteCase, std::ostream* out) {
    *out << noteCase.window;
    for (const Entry& entry : noteCase.entries) {
        *out << ' ' << entry.box << '=' << entry.text;
    }
}

class RangeNotes : public CalculationFixture, public testing::WithParamInterface<NoteCase> {
  protected:
    QString note() { return text(window_, "lblNote"); }
};

TEST_P(RangeNotes, AppearPastTheBoundAndNotOnIt) {
    launchCalculation(GetParam().window);
    for (const char* option : GetParam().options) {
        choose(option);
    }
    const Click click = calculate(GetParam().entries);
    EXPECT_EQ(click.messages, std::vector<QString>{});
    EXPECT_FALSE(click.outputs.front().isEmpty());
    EXPECT_EQ(note(), GetParam().note);
    EXPECT_EQ(clippedCaptions(window_), std::vector<QString>{});
}

const char* const kDewPastAir = "20.000000000000004";  // the double after 20
const char* const kWarmPastAir = "30.000000000000004";

INSTANTIATE_TEST_SUITE_P(
    HeatIndex, RangeNotes,
    testing::Values(
        NoteCase{
            "frmHeatIndex", {"optFahrenheit"}, {{"txtAirTemp", "80"}, {"txtHumidity", "50"}}, ""},
        NoteCase{"frmHeatIndex",
                 {"optFahrenheit"},
                 {{"txtAirTemp", "79.99999999999999"}, {"txtHumidity", "50"}},
                 kHeatIndexBelow80F},
        NoteCase{"frmHeatIndex", {}, {{"txtAirTemp", "26.7"}, {"txtHumidity", "50"}}, ""},
        NoteCase{"frmHeatIndex",
                 {},
                 {{"txtAirTemp", "26.6"}, {"txtHumidity", "50"}},
                 kHeatIndexBelow80F},
        NoteCase{
            "frmHeatIndex", {"optAirTempDew"}, {{"txtAirTemp", "30"}, {"txtDewPoint", "30"}}, ""},
        NoteCase{"frmHeatIndex",
                 {"optAirTempDew"},
                 {{"txtAirTemp", "30"}, {"txtDewPoint", kWarmPastAir}},
                 kDewPointAboveAir},
        // A moisture reading past the air temperature is named before a cool air temperature.
        NoteCase{"frmHeatIndex",
                 {"optAirTempDew"},
                 {{"txtAirTemp", "20"}, {"txtDewPoint", kDewPastAir}},
                 kDewPointAboveAir},
        NoteCase{"frmHeatIndex",
                 {"optAirTempWetBAirPressure"},
                 {{"txtAirTemp", "30"}, {"txtWetBulb", "30"}, {"txtAirPressure", "1013.25"}},
                 ""},
        NoteCase{
            "frmHeatIndex",
            {"optAirTempWetBAirPressure"},
            {{"txtAirTemp", "30"}, {"txtWetBulb", kWarmPastAir}, {"txtAirPressure", "1013.25"}},
            kWetBulbAboveAir}));

INSTANTIATE_TEST_SUITE_P(
    WindChill, RangeNotes,
    testing::Values(
        NoteCase{"frmWindChillCalculations",
                 {"optFahrenheit", "optMilesPerHour"},
                 {{"txtInTemp", "50"}, {"txtInWind", "3"}},
                 ""},
        NoteCase{"frmWindChillCalculations",
                 {"optFahrenheit", "optMilesPerHour"},
                 {{"txtInTemp", "50.00000000000001"}, {"txtInWind", "3"}},
                 kWindChillAbove50F},
        NoteCase{"frmWindChillCalculations",
                 {"optFahrenheit", "optMilesPerHour"},
                 {{"txtInTemp", "50"}, {"txtInWind", "2.9999999999999996"}},
                 kWindChillBelow3Mph},
        NoteCase{"frmWindChillCalculations",
                 {"optFahrenheit", "optMilesPerHour"},
                 {{"txtInTemp", "50.00000000000001"}, {"txtInWind", "2.9999999999999996"}},
                 kWindChillOutsideBoth},
        NoteCase{
            "frmWindChillCalculations", {}, {{"txtInTemp", "10"}, {"txtInWind", "4.828032"}}, ""},
        NoteCase{"frmWindChillCalculations",
                 {},
                 {{"txtInTemp", "10.1"}, {"txtInWind", "20"}},
                 kWindChillAbove50F},
        // The old formula has no such range.
        NoteCase{"frmWindChillCalculations",
                 {"optOldFormula", "optFahrenheit", "optMilesPerHour"},
                 {{"txtInTemp", "60"}, {"txtInWind", "2"}},
                 ""}));

INSTANTIATE_TEST_SUITE_P(
    Moisture, RangeNotes,
    testing::Values(
        NoteCase{"frmHumidity", {}, {{"txtAirTemp", "20"}, {"txtDewPoint", "20"}}, ""},
        NoteCase{"frmHumidity",
                 {},
                 {{"txtAirTemp", "20"}, {"txtDewPoint", kDewPastAir}},
                 kDewPointAboveAir},
        NoteCase{"frmHumidity",
                 {"optAirTempWetBulbAirPressure"},
                 {{"txtAirTemp", "20"}, {"txtWetBulb", "20"}, {"txtAirPressure", "1013.25"}},
                 ""},
        NoteCase{"frmHumidity",
                 {"optAirTempWetBulbAirPressure"},
                 {{"txtAirTemp", "20"}, {"txtWetBulb", kDewPastAir}, {"txtAirPressure", "1013.25"}},
                 kWetBulbAboveAir},
        // A humidity is checked to lie within 100 %: the humidity method needs no note.
        NoteCase{"frmDewPoint", {}, {{"txtAirTemp", "-30"}, {"txtHumidity", "100"}}, ""},
        NoteCase{"frmDewPoint",
                 {"optAirTempWetBulbAirPressure"},
                 {{"txtAirTemp", "20"}, {"txtWetBulb", "20"}, {"txtAirPressure", "1013.25"}},
                 ""},
        NoteCase{"frmDewPoint",
                 {"optAirTempWetBulbAirPressure"},
                 {{"txtAirTemp", "20"}, {"txtWetBulb", kDewPastAir}, {"txtAirPressure", "1013.25"}},
                 kWetBulbAboveAir},
        NoteCase{"frmWetBulb",
                 {"optAirTempDewPoint"},
                 {{"txtAirTemp", "20"}, {"txtDewPoint", "20"}, {"txtAirPressure", "1013.25"}},
                 ""},
        NoteCase{
            "frmWetBulb",
            {"optAirTempDewPoint"},
            {{"txtAirTemp", "20"}, {"txtDewPoint", kDewPastAir}, {"txtAirPressure", "1013.25"}},
            kDewPointAboveAir},
        NoteCase{
            "frmCloudHeight", {"optAirTempDew"}, {{"txtAirTemp", "20"}, {"txtDewPoint", "20"}}, ""},
        NoteCase{"frmCloudHeight",
                 {"optAirTempDew"},
                 {{"txtAirTemp", "20"}, {"txtDewPoint", kDewPastAir}},
                 kNoCloudBase},
        // The humidity's dew point formula puts 100 % a hair above a cold air temperature:
        // the height comes out negative, and there is no cloud base above the ground.
        NoteCase{
            "frmCloudHeight", {}, {{"txtAirTemp", "-30"}, {"txtHumidity", "100"}}, kNoCloudBase},
        NoteCase{"frmCloudHeight", {}, {{"txtAirTemp", "20"}, {"txtHumidity", "100"}}, ""}));

INSTANTIATE_TEST_SUITE_P(
    Lightning, RangeNotes,
    testing::Values(NoteCase{"frmLightningDistance",
                             {"optAirTempCorrection"},
                             {{"txtTime", "3"}, {"txtAirTemp", "-551.6666666666666"}},
                             ""},
                    NoteCase{"frmLightningDistance",
                             {"optAirTempCorrection"},
                             {{"txtTime", "3"}, {"txtAirTemp", "-551.6666666666667"}},
                             kNegativeSpeedOfSound},
                    NoteCase{"frmLightningDistance", {}, {{"txtTime", "3"}}, ""}));

// Inputs that cannot occur are computed as ever, with a note that outranks the formula's range.
INSTANTIATE_TEST_SUITE_P(
    ImpossibleInputs, RangeNotes,
    testing::Values(NoteCase{"frmHeatIndex",
                             {"optAirTempDew"},
                             {{"txtAirTemp", "-300"}, {"txtDewPoint", "20"}},
                             kBelowAbsoluteZero},
                    NoteCase{"frmCloudHeight",
                             {"optAirTempDew"},
                             {{"txtAirTemp", "20"}, {"txtDewPoint", "-273.16"}},
                             kBelowAbsoluteZero},
                    NoteCase{"frmWindChillCalculations",
                             {"optKelvin"},
                             {{"txtInTemp", "-0.5"}, {"txtInWind", "20"}},
                             kBelowAbsoluteZero},
                    NoteCase{"frmHumidity",
                             {"optAirTempWetBulbAirPressure"},
                             {{"txtAirTemp", "20"}, {"txtWetBulb", "25"}, {"txtAirPressure", "0"}},
                             kNoAirPressure},
                    NoteCase{
                        "frmWetBulb",
                        {"optFahrenheit"},
                        {{"txtAirTemp", "-460"}, {"txtHumidity", "50"}, {"txtAirPressure", "-5"}},
                        kBelowAbsoluteZero}));

// In German with metres per second chosen, the note gives the bounds in the units chosen too,
// with German numbers; where it wraps, no number is parted from its unit.
TEST_F(CalculationFixture, RangeNotesFollowTheLocaleAndTheUnitsChosen) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    launchCalculation("frmWindChillCalculations");
    choose("optMPerSec");
    const Click click = calculate({{"txtInTemp", "20"}, {"txtInWind", "1"}});
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(click.messages, std::vector<QString>{});
    const QString note = text(window_, "lblNote");
    EXPECT_EQ(QString(note).replace(QLatin1Char('\n'), QLatin1Char(' ')),
              "New formula is meant for 50 °F (10 °C) and below, winds of 3 mph (1,3 m/s) and "
              "above");
    for (const QString& line : note.split(QLatin1Char('\n'))) {
        EXPECT_FALSE(line.back().isDigit()) << line;
    }
    EXPECT_EQ(clippedCaptions(window_), std::vector<QString>{});
}

// The remark line under the others: the reference's value where the window's formula lies
// far from it, and an input that looks like a wrong unit; the risk line only where a category
// means something.
struct RemarkCase {
    const char* window;
    std::vector<const char*> options;
    std::vector<Entry> entries;
    QString remark;
    QString risk = {};
};

void PrintTo(const RemarkCase& remarkCase, std::ostream* out) {
    *out << remarkCase.window;
}

class Remarks : public CalculationFixture, public testing::WithParamInterface<RemarkCase> {};

TEST_P(Remarks, ShowBesideTheDigits) {
    launchCalculation(GetParam().window);
    for (const char* option : GetParam().options) {
        choose(option);
    }
    EXPECT_EQ(calculate(GetParam().entries).messages, std::vector<QString>{});
    EXPECT_EQ(text(window_, "lblRemark"), GetParam().remark);
    if (window_->findChild<QLabel*>(QStringLiteral("lblRisk")) != nullptr) {
        EXPECT_EQ(text(window_, "lblRisk"), GetParam().risk);
    }
    click(window_, "cmdOutput");
    EXPECT_EQ(text(window_, "lblRemark"), "");
}

const char* const kStandardPressure = "1013.25";

INSTANTIATE_TEST_SUITE_P(
    EveryKind, Remarks,
    testing::Values(
        RemarkCase{"frmHeatIndex",
                   {"optFahrenheit"},
                   {{"txtAirTemp", "90"}, {"txtHumidity", "95"}},
                   "NWS heat index: 126.6 °F",
                   "Danger: heat cramps or heat exhaustion likely, heat stroke possible"},
        RemarkCase{"frmHeatIndex",
                   {"optFahrenheit"},
                   {{"txtAirTemp", "11.5"}, {"txtHumidity", "89"}},
                   "NWS heat index: 6.5 °F",
                   ""},
        RemarkCase{
            "frmWetBulb",
            {},
            {{"txtAirTemp", "40"}, {"txtHumidity", "5"}, {"txtAirPressure", kStandardPressure}},
            "Thermodynamic wet bulb: 16.6 °C"},
        RemarkCase{"frmWetBulb",
                   {},
                   {{"txtAirTemp", "25"}, {"txtHumidity", "50"}, {"txtAirPressure", "29.92"}},
                   "29.92 hPa is not a surface pressure; in inHg it would be 1013.2 hPa"},
        RemarkCase{
            "frmDewPoint",
            {"optAirTempWetBulbAirPressure"},
            {{"txtAirTemp", "30"}, {"txtWetBulb", "15"}, {"txtAirPressure", kStandardPressure}},
            "Thermodynamic dew point: 2.4 °C"},
        RemarkCase{
            "frmHumidity",
            {"optAirTempWetBulbAirPressure"},
            {{"txtAirTemp", "-10"}, {"txtWetBulb", "-12"}, {"txtAirPressure", kStandardPressure}},
            "Thermodynamic humidity: 35.5 %"},
        RemarkCase{"frmWindChillCalculations",
                   {"optFahrenheit", "optMilesPerHour"},
                   {{"txtInTemp", "20"}, {"txtInWind", "1"}},
                   "",
                   ""}));

// The note goes with the outputs: the next result replaces it, clearing them clears it.
class RangeNoteLife : public CalculationFixture {
  protected:
    void SetUp() override { launchCalculation("frmHeatIndex"); }

    QString note() { return text(window_, "lblNote"); }
    Click calculateAt(const char* airTemperature) {
        return calculate({{"txtAirTemp", airTemperature}, {"txtHumidity", "50"}});
    }
};

TEST_F(RangeNoteLife, IsEmptyOnAFreshWindow) {
    EXPECT_EQ(note(), "");
}

TEST_F(RangeNoteLife, IsReplacedByEachResult) {
    calculateAt("20");
    EXPECT_EQ(note(), kHeatIndexBelow80F);
    calculateAt("30");
    EXPECT_EQ(note(), "");
    calculateAt("20");
    EXPECT_EQ(note(), kHeatIndexBelow80F);
}

TEST_F(RangeNoteLife, IsClearedByResetAndByOutput) {
    for (const char* clearing : {"cmdReset", "cmdOutput"}) {
        calculateAt("20");
        click(window_, clearing);
        EXPECT_EQ(note(), "") << clearing;
    }
}

// A refused entry changes no output, so the note on them stays.
TEST_F(RangeNoteLife, StaysWithTheOutputsWhenAnEntryIsRefused) {
    const std::vector<QString> shown = calculateAt("20").outputs;
    const Click refused = calculate({{"txtAirTemp", "warm"}});
    EXPECT_EQ(refused.outputs, shown);
    EXPECT_EQ(refused.messages.size(), 1U);
    EXPECT_EQ(note(), kHeatIndexBelow80F);
}

// A click empties one output; the note speaks of the others until the last one is gone.
TEST_F(RangeNoteLife, StaysUntilTheLastOutputIsClicked) {
    calculateAt("20");
    QTest::mouseClick(find<QLabel>(window_, "lblCelsius"), Qt::LeftButton);
    QTest::mouseClick(find<QLabel>(window_, "lblKelvin"), Qt::LeftButton);
    EXPECT_EQ(note(), kHeatIndexBelow80F);
    QTest::mouseClick(find<QLabel>(window_, "lblFahrenheit"), Qt::LeftButton);
    EXPECT_EQ(note(), "");
}

// What the result means for people outside shows on its own line and goes with the outputs.
TEST_F(RangeNoteLife, TheRiskLineShowsAndClears) {
    calculateAt("35");
    EXPECT_EQ(text(window_, "lblRisk"),
              "Danger: heat cramps or heat exhaustion likely, heat stroke possible");
    click(window_, "cmdOutput");
    EXPECT_EQ(text(window_, "lblRisk"), "");
}

}  // namespace
}  // namespace nimbaro::test
