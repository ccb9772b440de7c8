#include <string>

#include "calculation_fixture.h"

namespace nimbaro::test {
namespace {

std::vector<Entry> replaced(std::vector<Entry> entries, const std::vector<Entry>& changes) {
    for (const Entry& change : changes) {
        for (Entry& entry : entries) {
            if (std::string(entry.box) == change.box) {
                entry.text = change.text;
            }
        }
    }
    return entries;
}

struct Refusal {
    const char* window;
    const char* method;
    std::vector<Entry> changes;  // to the typical entries
    const char* refusedBox;
    QString message;
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.window << " " << refusal.method << " " << refusal.refusedBox;
}

QString numberMessage(const char* boxName) {
    return QStringLiteral("Numerical Value Needed: Please insert a number into the white box (%1)")
        .arg(QString::fromUtf8(boxName));
}

const QString kHumidityRange = QStringLiteral(
    "Valid Humidity Value Needed: Please insert a number greater than 0 & less than or equal to "
    "100 into the white box (Humidity)");

class Refusals : public CalculationFixture, public testing::WithParamInterface<Refusal> {
  protected:
    void SetUp() override {
        launchCalculation(GetParam().window);
        choose(GetParam().method);
    }

    std::vector<Entry> refusedEntries() { return replaced(typicalEntries(), GetParam().changes); }

    void expectFocusOnTheRefusedBox() {
        QLineEdit* refused = box(GetParam().refusedBox);
        EXPECT_EQ(window_->focusWidget(), refused);
        EXPECT_EQ(refused->selectedText(), refused->text());
    }
};

TEST_P(Refusals, OnAFreshWindowTheResultCheckFollows) {
    const Click click = calculate(refusedEntries());
    EXPECT_EQ(click.messages, (std::vector<QString>{GetParam().message, kInvalidNumbers}));
    EXPECT_EQ(click.outputs,
              std::vector<QString>(outputNames(GetParam().window).size(), QString()));
    expectFocusOnTheRefusedBox();
}

TEST_P(Refusals, AnEarlierResultStaysWithOnlyTheFirstMessage) {
    const std::vector<QString> earlier = calculate(typicalEntries()).outputs;
    const Click click = calculate(refusedEntries());
    EXPECT_EQ(click.messages, std::vector<QString>{GetParam().message});
    EXPECT_EQ(click.outputs, earlier);
    expectFocusOnTheRefusedBox();
}

INSTANTIATE_TEST_SUITE_P(
    Messages, Refusals,
    testing::Values(Refusal{"frmHumidity",
                            "optAirTempDewPoint",
                            {{"txtAirTemp", ""}},
                            "txtAirTemp",
                            numberMessage("Air Temperature")},
                    Refusal{"frmHumidity",
                            "optAirTempDewPoint",
                            {{"txtDewPoint", "abc"}},
                            "txtDewPoint",
                            numberMessage("Dew Point")},
                    Refusal{"frmHumidity",
                            "optAirTempWetBulbAirPressure",
                            {{"txtWetBulb", "  "}},
                            "txtWetBulb",
                            numberMessage("Wet-Bulb")},
                    Refusal{"frmHumidity",
                            "optAirTempWetBulbAirPressure",
                            {{"txtAirPressure", "1013 hPa"}},
                            "txtAirPressure",
                            numberMessage("Air Pressure")},
                    // The first refused box is named, whatever follows it.
                    Refusal{"frmHumidity",
                            "optAirTempWetBulbAirPressure",
                            {{"txtAirTemp", "x"}, {"txtAirPressure", ""}},
                            "txtAirTemp",
                            numberMessage("Air Temperature")},
                    Refusal{"frmDewPoint",
                            "optAirTempHumidity",
                            {{"txtAirTemp", "1e400"}},
                            "txtAirTemp",
                            numberMessage("Air Temperature")},
                    Refusal{"frmDewPoint",
                            "optAirTempHumidity",
                            {{"txtHumidity", "fifty"}},
                            "txtHumidity",
                            numberMessage("Humidity")},
                    Refusal{"frmDewPoint",
                            "optAirTempHumidity",
                            {{"txtHumidity", "0"}},
                            "txtHumidity",
                            kHumidityRange},
                    Refusal{"frmDewPoint",
                            "optAirTempHumidity",
                            {{"txtHumidity", "-5"}},
                            "txtHumidity",
                            kHumidityRange},
                    Refusal{"frmDewPoint",
                            "optAirTempHumidity",
                            {{"txtHumidity", "100.5"}},
                            "txtHumidity",
                            kHumidityRange},
                    Refusal{"frmDewPoint",
                            "optAirTempWetBulbAirPressure",
                            {{"txtWetBulb", ""}},
                            "txtWetBulb",
                            numberMessage("Wet-Bulb")},
                    Refusal{"frmDewPoint",
                            "optAirTempWetBulbAirPressure",
                            {{"txtAirPressure", "-"}},
                            "txtAirPressure",
                            numberMessage("Air Pressure")},
                    Refusal{"frmWetBulb",
                            "optAirTempHumidity",
                            {{"txtAirTemp", ""}},
                            "txtAirTemp",
                            numberMessage("Air Temperature")},
                    Refusal{"frmWetBulb",
                            "optAirTempHumidity",
                            {{"txtHumidity", ""}},
                            "txtHumidity",
                            numberMessage("Humidity")},
                    Refusal{"frmWetBulb",
                            "optAirTempHumidity",
                            {{"txtHumidity", "100.5"}},
                            "txtHumidity",
                            kHumidityRange},
                    Refusal{"frmWetBulb",
                            "optAirTempHumidity",
                            {{"txtHumidity", "0"}},
                            "txtHumidity",
                            kHumidityRange},
                    Refusal{"frmWetBulb",
                            "optAirTempHumidity",
                            {{"txtHumidity", "-5"}},
                            "txtHumidity",
                            kHumidityRange},
                    // Every box passes its number check before the humidity range is looked at.
                    Refusal{"frmWetBulb",
                            "optAirTempHumidity",
                            {{"txtHumidity", "0"}, {"txtAirPressure", ""}},
                            "txtAirPressure",
                            numberMessage("Air Pressure")},
                    Refusal{"frmWetBulb",
                            "optAirTempDewPoint",
                            {{"txtDewPoint", "ten"}},
                            "txtDewPoint",
                            numberMessage("Dew Point")},
                    Refusal{"frmWetBulb",
                            "optAirTempDewPoint",
                            {{"txtAirPressure", ""}},
                            "txtAirPressure",
                            numberMessage("Air Pressure")}));

const QString kTimeRange = QStringLiteral(
    "Valid Time Value Needed: Please insert a number greater than 0 into the white box (Time)");

INSTANTIATE_TEST_SUITE_P(
    Weather, Refusals,
    testing::Values(
        Refusal{"frmHeatIndex",
                "optAirTempHumidity",
                {{"txtAirTemp", ""}},
                "txtAirTemp",
                numberMessage("Air Temperature")},
        Refusal{"frmHeatIndex",
                "optAirTempHumidity",
                {{"txtHumidity", "half"}},
                "txtHumidity",
                numberMessage("Humidity")},
        Refusal{"frmHeatIndex",
                "optAirTempHumidity",
                {{"txtHumidity", "0"}},
                "txtHumidity",
                kHumidityRange},
        Refusal{"frmHeatIndex",
                "optAirTempHumidity",
                {{"txtHumidity", "100.5"}},
                "txtHumidity",
                kHumidityRange},
        // The number checks come before the range check.
        Refusal{"frmHeatIndex",
                "optAirTempHumidity",
                {{"txtAirTemp", "x"}, {"txtHumidity", "0"}},
                "txtAirTemp",
                numberMessage("Air Temperature")},
        Refusal{"frmHeatIndex",
                "optAirTempDew",
                {{"txtDewPoint", ""}},
                "txtDewPoint",
                numberMessage("Dew-Point Temperature")},
        Refusal{"frmHeatIndex",
                "optAirTempWetBAirPressure",
                {{"txtWetBulb", "--1"}},
                "txtWetBulb",
                numberMessage("Wet-Bulb")},
        Refusal{"frmHeatIndex",
                "optAirTempWetBAirPressure",
                {{"txtAirPressure", ""}},
                "txtAirPressure",
                numberMessage("Air Pressure")},
        Refusal{"frmCloudHeight",
                "optAirTempHumidity",
                {{"txtAirTemp", "warm"}},
                "txtAirTemp",
                numberMessage("Air Temperature")},
        Refusal{"frmCloudHeight",
                "optAirTempHumidity",
                {{"txtHumidity", "-1"}},
                "txtHumidity",
                kHumidityRange},
        Refusal{"frmCloudHeight",
                "optAirTempHumidity",
                {{"txtHumidity", "0"}},
                "txtHumidity",
                kHumidityRange},
        Refusal{"frmCloudHeight",
                "optAirTempDew",
                {{"txtDewPoint", "ten"}},
                "txtDewPoint",
                numberMessage("Dew-Point Temperature")},
        Refusal{"frmCloudHeight",
                "optAirTempWetBAirPressure",
                {{"txtAirTemp", ""}, {"txtWetBulb", ""}},
                "txtAirTemp",
                numberMessage("Air Temperature")},
        Refusal{"frmCloudHeight",
                "optAirTempWetBAirPressure",
                {{"txtAirPressure", "1013 hPa"}},
                "txtAirPressure",
                numberMessage("Air Pressure")},
        Refusal{"frmLightningDistance",
                "optNoCorrection",
                {{"txtTime", ""}},
                "txtTime",
                numberMessage("Time")},
        Refusal{
            "frmLightningDistance", "optNoCorrection", {{"txtTime", "0"}}, "txtTime", kTimeRange},
        Refusal{"frmLightningDistance",
                "optAirTempCorrection",
                {{"txtTime", "-2"}},
                "txtTime",
                kTimeRange},
        Refusal{"frmLightningDistance",
                "optAirTempCorrection",
                {{"txtAirTemp", ""}},
                "txtAirTemp",
                numberMessage("Air Temperature")},
        // The time and its range are checked before the air temperature.
        Refusal{"frmLightningDistance",
                "optAirTempCorrection",
                {{"txtTime", "0"}, {"txtAirTemp", "x"}},
                "txtTime",
                kTimeRange}));

struct Fault {
    const char* window;
    const char* method;
    const char* temperatureUnit;
    const char* pressureUnit;  // nullptr where the method reads no pressure
    std::vector<Entry> changes;
};

void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.window << " " << fault.method << " " << fault.temperatureUnit;
}

class Faults : public CalculationFixture, public testing::WithParamInterface<Fault> {
  protected:
    void SetUp() override {
        launchCalculation(GetParam().window);
        choose(GetParam().method);
    }

    Click calculateFault() {
        const std::vector<Entry> entries = replaced(typicalEntries(), GetParam().changes);
        choose(GetParam().temperatureUnit);
        if (GetParam().pressureUnit != nullptr) {
            choose(GetParam().pressureUnit);
        }
        return calculate(entries);
    }
};

TEST_P(Faults, OnAFreshWindowShowOneMessageAndWriteNothing) {
    const Click click = calculateFault();
    EXPECT_EQ(click.messages, std::vector<QString>{kInvalidNumbers});
    EXPECT_EQ(click.outputs,
              std::vector<QString>(outputNames(GetParam().window).size(), QString()));
}

TEST_P(Faults, BesideAnEarlierResultShowOneMessageAndKeepIt) {
    const std::vector<QString> earlier = calculate(typicalEntries()).outputs;
    const Click click = calculateFault();
    EXPECT_EQ(click.messages, std::vector<QString>{kInvalidNumbers});
    EXPECT_EQ(click.outputs, earlier);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, Faults,
    testing::Values(
        // E(−237.7) divides by zero.
        Fault{
            "frmHumidity", "optAirTempDewPoint", "optCelsius", nullptr, {{"txtAirTemp", "-237.7"}}},
        // The Fahrenheit conversion itself overflows.
        Fault{"frmHumidity",
              "optAirTempDewPoint",
              "optFahrenheit",
              nullptr,
              {{"txtAirTemp", "-1.7e308"}}},
        // A great wet-bulb depression at high pressure makes e negative.
        Fault{"frmHumidity",
              "optAirTempWetBulbAirPressure",
              "optCelsius",
              "optHpaMb",
              {{"txtAirTemp", "40"}, {"txtWetBulb", "0"}, {"txtAirPressure", "1e6"}}},
        Fault{"frmHumidity",
              "optAirTempWetBulbAirPressure",
              "optKelvin",
              "optinOfHg",
              {{"txtAirTemp", "300"}, {"txtWetBulb", "290"}, {"txtAirPressure", "1e306"}}},
        // E underflows to zero, so e is zero and its logarithm fails.
        Fault{"frmDewPoint", "optAirTempHumidity", "optKelvin", nullptr, {{"txtAirTemp", "35.45"}}},
        Fault{
            "frmDewPoint", "optAirTempHumidity", "optCelsius", nullptr, {{"txtAirTemp", "-237.7"}}},
        Fault{"frmDewPoint",
              "optAirTempWetBulbAirPressure",
              "optCelsius",
              "optmmOfHg",
              {{"txtAirTemp", "40"}, {"txtWetBulb", "0"}, {"txtAirPressure", "1e6"}}},
        // Faults in the slope stage, before the pressure is looked at.
        Fault{"frmWetBulb",
              "optAirTempHumidity",
              "optCelsius",
              "optHectopascalsMillibars",
              {{"txtAirTemp", "-237.7"}}},
        Fault{"frmWetBulb",
              "optAirTempDewPoint",
              "optCelsius",
              "optHectopascalsMillibars",
              {{"txtDewPoint", "-237.7"}}},
        Fault{"frmWetBulb",
              "optAirTempHumidity",
              "optFahrenheit",
              "optmmOfHg",
              {{"txtAirTemp", "1e308"}}}));

INSTANTIATE_TEST_SUITE_P(
    Weather, Faults,
    testing::Values(
        // The conversions to Fahrenheit overflow.
        Fault{
            "frmHeatIndex", "optAirTempHumidity", "optCelsius", nullptr, {{"txtAirTemp", "1e308"}}},
        Fault{"frmHeatIndex",
              "optAirTempHumidity",
              "optKelvin",
              nullptr,
              {{"txtAirTemp", "-1.7e308"}}},
        // The cube of the temperature overflows in the regression.
        Fault{"frmHeatIndex",
              "optAirTempHumidity",
              "optFahrenheit",
              nullptr,
              {{"txtAirTemp", "1e103"}}},
        Fault{"frmHeatIndex", "optAirTempDew", "optCelsius", nullptr, {{"txtAirTemp", "-237.7"}}},
        Fault{"frmHeatIndex",
              "optAirTempWetBAirPressure",
              "optCelsius",
              "optHpaMb",
              {{"txtAirTemp", "40"}, {"txtWetBulb", "0"}, {"txtAirPressure", "1e6"}}},
        Fault{"frmHeatIndex",
              "optAirTempWetBAirPressure",
              "optFahrenheit",
              "optmmOfHg",
              {{"txtWetBulb", "1.7e308"}}},
        Fault{"frmCloudHeight",
              "optAirTempHumidity",
              "optKelvin",
              nullptr,
              {{"txtAirTemp", "35.45"}}},
        // The metres are finite, the feet are not: neither is written.
        Fault{"frmCloudHeight",
              "optAirTempDew",
              "optCelsius",
              nullptr,
              {{"txtAirTemp", "1e306"}, {"txtDewPoint", "0"}}},
        Fault{"frmCloudHeight",
              "optAirTempWetBAirPressure",
              "optCelsius",
              "optinOfHg",
              {{"txtAirPressure", "1e306"}}},
        Fault{"frmCloudHeight",
              "optAirTempWetBAirPressure",
              "optCelsius",
              "optmmOfHg",
              {{"txtAirTemp", "40"}, {"txtWetBulb", "0"}, {"txtAirPressure", "1e6"}}},
        // The metres and kilometres are finite, the feet are not: nothing is written.
        Fault{"frmLightningDistance",
              "optNoCorrection",
              "optCelsius",
              nullptr,
              {{"txtTime", "3e305"}}},
        Fault{"frmLightningDistance",
              "optAirTempCorrection",
              "optFahrenheit",
              nullptr,
              {{"txtAirTemp", "-1.7e308"}}},
        Fault{"frmLightningDistance",
              "optAirTempCorrection",
              "optCelsius",
              nullptr,
              {{"txtTime", "1e300"}, {"txtAirTemp", "1e10"}}},
        // The wind chill window shows the same one message, though it has no result check.
        Fault{"frmWindChillCalculations",
              "optNewFormula",
              "optCelsius",
              nullptr,
              {{"txtInTemp", "1e308"}}},
        Fault{"frmWindChillCalculations",
              "optOldFormula",
              "optKelvin",
              nullptr,
              {{"txtInWind", "1e308"}}}));

TEST_F(CalculationFixture, AnUnderflowIsAResultNotAFault) {
    launchCalculation("frmHumidity");
    const Click click = calculate({{"txtAirTemp", "20"}, {"txtDewPoint", "-237.6999999"}});
    EXPECT_EQ(click.outputs, std::vector<QString>{"0.00000"});
    EXPECT_TRUE(click.messages.empty());
}

}  // namespace
}  // namespace nimbaro::test
