#include <QGroupBox>
#include <QLabel>

#include "calculation_fixture.h"
#include "message_catcher.h"

namespace nimbaro::test {
namespace {

struct Control {
    const char* name;
    const char* caption;
    const char* tooltip = "";
};

const std::vector<Control> kTemperatureOptions = {
    {"optCelsius", "Celsiu&s", "Calculate Using Celsius"},
    {"optFahrenheit", "&Fahrenheit", "Calculate Using Fahrenheit"},
    {"optKelvin", "&Kelvin", "Calculate Using Kelvin"},
};

const std::vector<Control> kPressureOptions = {
    {"fmeAirPressure", "Air Pressure Data", "Select Data Type Here"},
    {"optmmOfHg", "mm &of Hg"},
    {"optinOfHg", "i&n of Hg"},
};

const std::vector<Control> kCommandButtons = {
    {"cmdCalculate", "&Calculate"},
    {"cmdReset", "&Reset"},
    {"cmdOutput", "O&utput"},
    {"cmdBack", "B&ack", "Close Window"},
    {"cmdExit", "E&xit", "Close Program"},
};

std::vector<Control> joined(std::initializer_list<std::vector<Control>> parts) {
    std::vector<Control> all;
    for (const std::vector<Control>& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const std::vector<Control> kTemperatureAndPressure =
    joined({{{"fmeTemperature", "Temperature Data"}},
            kTemperatureOptions,
            kPressureOptions,
            kCommandButtons});

struct WindowDescription {
    const char* window;
    const char* title;
    std::vector<Control> controls;
    // Every focusable control in tab order; the first method option is selected at load.
    std::vector<const char*> tabOrder;
    // Each input box's fixed label, then each output's unit label.
    std::vector<std::pair<const char*, const char*>> labelsBeside;
    // The unit groups and command buttons, where they differ from the moisture windows'.
    std::vector<Control> sharedControls = kTemperatureAndPressure;
    // An option that Reset leaves as the user chose it.
    const char* otherChoice = "optKelvin";
};

void PrintTo(const WindowDescription& description, std::ostream* out) {
    *out << description.window;
}

const std::vector<Control> kTemperatureOutputs = {
    {"lblCelsius", "", "Celsius Output Number"},
    {"lblFahrenheit", "", "Fahrenheit Output Number"},
    {"lblKelvin", "", "Kelvin Output Number"},
    {"Label6", "Celsius"},
    {"Label7", "Fahrenheit"},
    {"Label5", "Kelvin"},
};

const char* const kPressureNote =
    "# If Air Pressure is unavailable use 1013.25 Hectopascals/Millibars";

QString captionOf(QWidget* control) {
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        return frame->title();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    return qobject_cast<QLineEdit*>(control)->text();
}

class CalculationWindows : public CalculationFixture,
                           public testing::WithParamInterface<WindowDescription> {
  protected:
    void SetUp() override { launchCalculation(GetParam().window); }

    std::vector<QString> selectedOptions() {
        std::vector<QString> selected;
        for (QRadioButton* option : window_->findChildren<QRadioButton*>()) {
            if (option->isChecked()) {
                selected.push_back(option->objectName());
            }
        }
        return selected;
    }

    // The boxes the load step's method reads.
    std::vector<QLineEdit*> enabledBoxes() {
        std::vector<QLineEdit*> boxes;
        for (QLineEdit* box : window_->findChildren<QLineEdit*>()) {
            if (box->isEnabled()) {
                boxes.push_back(box);
            }
        }
        return boxes;
    }
};

TEST_P(CalculationWindows, HaveTheirTitleCaptionsAndTooltips) {
    EXPECT_EQ(window_->windowTitle(), GetParam().title);
    for (const Control& control : joined({GetParam().sharedControls, GetParam().controls})) {
        auto* widget = find<QWidget>(window_, control.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(captionOf(widget), control.caption) << control.name;
        EXPECT_EQ(widget->toolTip(), control.tooltip) << control.name;
    }
    for (const char* output : outputNames(GetParam().window)) {
        EXPECT_TRUE(find<QLabel>(window_, output)->font().bold()) << output;
    }
}

TEST_P(CalculationWindows, TabOrderStartsAtTheSelectedMethod) {
    EXPECT_EQ(focusChain(window_, GetParam().tabOrder), GetParam().tabOrder);
    EXPECT_EQ(window_->focusWidget()->objectName(), GetParam().tabOrder.front());
    EXPECT_TRUE(option(GetParam().tabOrder.front())->isChecked());
    EXPECT_TRUE(option("optCelsius")->isChecked());
}

TEST_P(CalculationWindows, LabelsStandBesideTheirControlsAndNothingOverlaps) {
    for (const auto& [labelName, controlName] : GetParam().labelsBeside) {
        const QRect label = find<QWidget>(window_, labelName)->geometry();
        const QRect control = find<QWidget>(window_, controlName)->geometry();
        EXPECT_EQ(label.center().y(), control.center().y()) << labelName;
        EXPECT_TRUE(label.right() < control.left() || control.right() < label.left()) << labelName;
    }
    std::vector<QWidget*> parents = {window_};
    for (QGroupBox* frame : window_->findChildren<QGroupBox*>()) {
        parents.push_back(frame);
    }
    for (QWidget* parent : parents) {
        const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            EXPECT_TRUE(parent->rect().contains(child->geometry())) << child->objectName().data();
            if (auto* label = qobject_cast<QLabel*>(child); label && !label->wordWrap()) {
                EXPECT_GE(label->width(), label->sizeHint().width()) << child->objectName().data();
            }
            for (QWidget* other : children) {
                EXPECT_TRUE(child == other || !child->geometry().intersects(other->geometry()))
                    << child->objectName().data() << " " << other->objectName().data();
            }
        }
    }
}

TEST_P(CalculationWindows, ResetEmptiesEveryBoxAndOutputButKeepsTheChoices) {
    option(GetParam().otherChoice)->click();
    calculate(typicalEntries(GetParam().otherChoice));
    for (QLineEdit* box : window_->findChildren<QLineEdit*>()) {
        box->setText("7");
    }
    const std::vector<QString> chosen = selectedOptions();
    click(window_, "cmdReset");
    for (QLineEdit* box : window_->findChildren<QLineEdit*>()) {
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().data();
    }
    EXPECT_EQ(outputs(), std::vector<QString>(outputs().size()));
    EXPECT_TRUE(option(GetParam().otherChoice)->isChecked());
    EXPECT_EQ(selectedOptions(), chosen);
}

TEST_P(CalculationWindows, OutputAndLabelClicksEmptyOnlyOutputs) {
    const std::vector<QString> results = calculate(typicalEntries()).outputs;
    ASSERT_FALSE(results.front().isEmpty());

    const auto names = outputNames(GetParam().window);
    for (std::size_t clicked = 0; clicked < names.size(); ++clicked) {
        MessageCatcher messages;
        click(window_, "cmdCalculate");
        QTest::mouseClick(find<QLabel>(window_, names[clicked]), Qt::LeftButton);
        std::vector<QString> oneCleared = results;
        oneCleared[clicked].clear();
        EXPECT_EQ(outputs(), oneCleared) << names[clicked];
    }

    click(window_, "cmdOutput");
    EXPECT_EQ(outputs(), std::vector<QString>(results.size()));
    for (QLineEdit* box : enabledBoxes()) {
        EXPECT_FALSE(box->text().isEmpty()) << box->objectName().data();
    }
    MessageCatcher messages;
    click(window_, "cmdCalculate");
    EXPECT_EQ(outputs(), results);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_P(CalculationWindows, EnterInABoxCalculates) {
    const std::vector<QString> results = calculate(typicalEntries()).outputs;
    click(window_, "cmdOutput");
    for (QLineEdit* box : enabledBoxes()) {
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(outputs(), results) << box->objectName().data();
        click(window_, "cmdOutput");
    }
}

TEST_P(CalculationWindows, BackThenLaunchStartsAfresh) {
    option("optFahrenheit")->click();
    calculate(typicalEntries());
    click(window_, "cmdBack");
    settle();
    launchCalculation(GetParam().window);
    EXPECT_TRUE(option("optCelsius")->isChecked());
    EXPECT_EQ(outputs(), std::vector<QString>(outputNames(GetParam().window).size()));
    for (QLineEdit* box : window_->findChildren<QLineEdit*>()) {
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().data();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Moisture, CalculationWindows,
    testing::Values(
        WindowDescription{
            "frmHumidity",
            "Humidity",
            {
                {"fmeFormula", "Calculate Using:"},
                {"optAirTempDewPoint", "Air Temperature + &Dew-Point*"},
                {"optAirTempWetBulbAirPressure", "Air Temperature, &Wet-Bulb + Air Pressure*"},
                {"Label8", kPressureNote},
                {"optHpaMb", "Hectopascals/ &Millibars"},
                {"Label1", "Air Temperature"},
                {"Label2", "Dew-Point Temperature"},
                {"Label3", "Wet-Bulb Temperature"},
                {"Label4", "Air Pressure (Sea Level)"},
                {"txtAirTemp", ""},
                {"txtDewPoint", ""},
                {"txtWetBulb", ""},
                {"txtAirPressure", ""},
                {"lblHumidity", "", "Relative Humidity Output Number"},
                {"Label12", "Relative Humidity"},
                {"Label7", "Percent"},
            },
            {"optAirTempDewPoint", "optAirTempWetBulbAirPressure", "optCelsius", "optFahrenheit",
             "optKelvin", "optHpaMb", "optmmOfHg", "optinOfHg", "txtAirTemp", "txtDewPoint",
             "txtWetBulb", "txtAirPressure", "cmdCalculate", "cmdReset", "cmdOutput", "cmdBack",
             "cmdExit"},
            {{"Label1", "txtAirTemp"},
             {"Label2", "txtDewPoint"},
             {"Label3", "txtWetBulb"},
             {"Label4", "txtAirPressure"},
             {"Label7", "lblHumidity"}},
        },
        WindowDescription{
            "frmDewPoint",
            "Dew Point Temperature",
            {
                {"fmeFormula", "Calculate Using:"},
                {"optAirTempHumidity", "Air Temperature + &Humidity"},
                {"optAirTempWetBulbAirPressure", "Air Temperature, &Wet-Bulb + Air Pressure*"},
                {"Label8", kPressureNote},
                {"optHectopascalsMillibars", "Hectopascals/ &Millibars"},
                {"Label1", "Air Temperature"},
                {"Label2", "Humidity"},
                {"Label3", "Wet-Bulb Temperature"},
                {"Label4", "Air Pressure (Sea Level)"},
                {"txtAirTemp", ""},
                {"txtHumidity", ""},
                {"txtWetBulb", ""},
                {"txtAirPressure", ""},
            },
            {"optAirTempHumidity", "optAirTempWetBulbAirPressure", "optCelsius", "optFahrenheit",
             "optKelvin", "optHectopascalsMillibars", "optmmOfHg", "optinOfHg", "txtAirTemp",
             "txtHumidity", "txtWetBulb", "txtAirPressure", "cmdCalculate", "cmdReset", "cmdOutput",
             "cmdBack", "cmdExit"},
            {{"Label1", "txtAirTemp"},
             {"Label2", "txtHumidity"},
             {"Label3", "txtWetBulb"},
             {"Label4", "txtAirPressure"},
             {"Label6", "lblCelsius"},
             {"Label7", "lblFahrenheit"},
             {"Label5", "lblKelvin"}},
        },
        WindowDescription{
            "frmWetBulb",
            "Wet Bulb Temperature",
            {
                {"Frame1", "Calculate Using:"},
                {"optAirTempHumidity", "Air Temperature + &Humidity"},
                {"optAirTempDewPoint", "Air Temperature + &Dew Point"},
                {"Label4", kPressureNote},
                {"optHectopascalsMillibars", "Hectopascals/ &Millibars"},
                {"Label1", "Air Temperature"},
                {"Label2", "Humidity"},
                {"Label3", "Dew Point"},
                {"Label8", "Air Pressure (Sea Level)"},
                {"txtAirTemp", ""},
                {"txtHumidity", ""},
                {"txtDewPoint", ""},
                {"txtAirPressure", ""},
            },
            {"optAirTempHumidity", "optAirTempDewPoint", "optCelsius", "optFahrenheit", "optKelvin",
             "optHectopascalsMillibars", "optmmOfHg", "optinOfHg", "txtAirTemp", "txtHumidity",
             "txtDewPoint", "txtAirPressure", "cmdCalculate", "cmdReset", "cmdOutput", "cmdBack",
             "cmdExit"},
            {{"Label1", "txtAirTemp"},
             {"Label2", "txtHumidity"},
             {"Label3", "txtDewPoint"},
             {"Label8", "txtAirPressure"},
             {"Label6", "lblCelsius"},
             {"Label7", "lblFahrenheit"},
             {"Label5", "lblKelvin"}},
        }));

const std::vector<Control> kMoistureMethods = {
    {"fmeFormula", "Calculate Using:"},
    {"optAirTempHumidity", "Air Temperature + &Humidity"},
    {"optAirTempDew", "Air Temperature + &Dew-Point"},
    {"optAirTempWetBAirPressure", "Air Temperature, &Wet-Bulb + Air Pressure"},
    {"optHpaMb", "Hectopascals/ &Millibars"},
    {"txtAirTemp", ""},
    {"txtHumidity", ""},
    {"txtDewPoint", ""},
    {"txtWetBulb", ""},
    {"txtAirPressure", ""},
};

const std::vector<const char*> kMoistureMethodsTabOrder = {"optAirTempHumidity",
                                                           "optAirTempDew",
                                                           "optAirTempWetBAirPressure",
                                                           "optCelsius",
                                                           "optFahrenheit",
                                                           "optKelvin",
                                                           "optHpaMb",
                                                           "optmmOfHg",
                                                           "optinOfHg",
                                                           "txtAirTemp",
                                                           "txtHumidity",
                                                           "txtDewPoint",
                                                           "txtWetBulb",
                                                           "txtAirPressure",
                                                           "cmdCalculate",
                                                           "cmdReset",
                                                           "cmdOutput",
                                                           "cmdBack",
                                                           "cmdExit"};

INSTANTIATE_TEST_SUITE_P(
    Weather, CalculationWindows,
    testing::Values(
        WindowDescription{
            "frmHeatIndex",
            "Heat Index",
            joined({kMoistureMethods,
                    kTemperatureOutputs,
                    {
                        {"Label8", kPressureNote},
                        {"Label9", "Air Temperature"},
                        {"Label2", "Humidity"},
                        {"Label11", "Dew-Point"},
                        {"Label1", "Wet-Bulb Temperature"},
                        {"Label4", "Air Pressure (Sea Level)"},
                    }}),
            kMoistureMethodsTabOrder,
            {{"Label9", "txtAirTemp"},
             {"Label2", "txtHumidity"},
             {"Label11", "txtDewPoint"},
             {"Label1", "txtWetBulb"},
             {"Label4", "txtAirPressure"},
             {"Label6", "lblCelsius"},
             {"Label7", "lblFahrenheit"},
             {"Label5", "lblKelvin"}},
        },
        // The temperature options of this window have no tooltips.
        WindowDescription{
            "frmCloudHeight",
            "Cloud Base Height of Convective Cumulus",
            joined({kMoistureMethods,
                    {
                        {"Label3", kPressureNote},
                        {"Label1", "Air Temperature"},
                        {"Label8", "Humidity"},
                        {"Label11", "Dew-Point"},
                        {"Label7", "Wet-Bulb Temperature"},
                        {"Label4", "Air Pressure (Sea Level)"},
                        {"lblMetres", "", "Metres Output Number"},
                        {"lblFeet", "", "Feet Output Number"},
                        {"Label5", "Metres"},
                        {"Label6", "Feet"},
                    }}),
            kMoistureMethodsTabOrder,
            {{"Label1", "txtAirTemp"},
             {"Label8", "txtHumidity"},
             {"Label11", "txtDewPoint"},
             {"Label7", "txtWetBulb"},
             {"Label4", "txtAirPressure"},
             {"Label5", "lblMetres"},
             {"Label6", "lblFeet"}},
            joined({{{"Frame1", "Temperature Data"},
                     {"optCelsius", "Celsiu&s"},
                     {"optFahrenheit", "&Fahrenheit"},
                     {"optKelvin", "&Kelvin"}},
                    kPressureOptions,
                    kCommandButtons}),
        },
        WindowDescription{
            "frmWindChillCalculations",
            "Wind Chill Calculations",
            {
                {"frmFormula", "Select Formula"},
                {"optNewFormula", "&New Formula*", "Calculate Using New Formula"},
                {"optOldFormula", "&Old Formula*", "Calculate Using Old Formula"},
                {"frmWindSpeed", "Wind Speed Data"},
                {"optKmPerHour", "&Km / Hour", "Calculate Using Kilometres Per Hour"},
                {"optMPerSec", "&Meters / Sec", "Calculate Using Metres Per Second"},
                {"optMilesPerHour", "Miles / &Hour", "Calculate Using Miles Per Hour"},
                {"optKnots", "Knot&s", "Calculate Using Knots"},
                {"txtInTemp", "", "Insert a Number Here"},
                {"txtInWind", "", "Insert a Number Here"},
                {"Label8", "Air Temperature"},
                {"Label9", "Wind Speed"},
                {"lblCelsius", "", "Celsius Output Number"},
                {"lblFahrenheit", "", "Fahrenheit Output Number"},
                {"lblKelvin", "", "Kelvin Output Number"},
                {"Label6", "Celsius"},
                {"Label2", "Fahrenheit"},
                {"Label5", "Kelvin"},
            },
            {"optNewFormula", "optOldFormula", "optCelsius", "optFahrenheit", "optKelvin",
             "optKmPerHour", "optMPerSec", "optMilesPerHour", "optKnots", "txtInTemp", "txtInWind",
             "cmdCalculate", "cmdReset", "cmdOutput", "cmdBack", "cmdExit"},
            {{"Label8", "txtInTemp"},
             {"Label9", "txtInWind"},
             {"Label6", "lblCelsius"},
             {"Label2", "lblFahrenheit"},
             {"Label5", "lblKelvin"}},
            joined({{{"frmTemperature", "Temperature Data"}},
                    kTemperatureOptions,
                    {{"cmdCalculate", "&Calculate", "Calculate Number"},
                     {"cmdReset", "&Reset", "Clear All Numbers"},
                     {"cmdOutput", "O&utput", "Clear All Numbers"},
                     {"cmdBack", "B&ack", "Close Window"},
                     {"cmdExit", "E&xit", "Close Program"}}}),
            "optMilesPerHour",
        },
        WindowDescription{
            "frmLightningDistance",
            "Lightning Distance",
            {
                {"fmeFormula", "Calculate Using:"},
                {"optNoCorrection", "&No Correction"},
                {"optAirTempCorrection", "&Air Temperature Correction"},
                {"txtTime", ""},
                {"txtAirTemp", ""},
                {"Label2", "Time (Seconds)"},
                {"Label1", "Air Temperature"},
                {"lblMetres", "", "Metres Output Number"},
                {"lblKilometres", "", "Kilometres Output Number"},
                {"lblFeet", ""},
                {"lblMiles", ""},
                {"Label3", "Metres"},
                {"Label14", "Kilometres"},
                {"Label5", "Feet"},
                {"Label6", "Miles"},
            },
            {"optNoCorrection", "optAirTempCorrection", "optCelsius", "optFahrenheit", "optKelvin",
             "txtTime", "txtAirTemp", "cmdCalculate", "cmdReset", "cmdOutput", "cmdBack",
             "cmdExit"},
            {{"Label2", "txtTime"},
             {"Label1", "txtAirTemp"},
             {"Label3", "lblMetres"},
             {"Label14", "lblKilometres"},
             {"Label5", "lblFeet"},
             {"Label6", "lblMiles"}},
            joined(
                {{{"fmeTemperature", "Temperature Data"}}, kTemperatureOptions, kCommandButtons}),
            "optAirTempCorrection",
        }));

TEST_F(CalculationFixture, TheTemperatureOutputsHaveTheirUnitLabels) {
    for (const char* window : {"frmDewPoint", "frmWetBulb", "frmHeatIndex"}) {
        launchCalculation(window);
        for (const Control& control : kTemperatureOutputs) {
            auto* label = find<QLabel>(window_, control.name);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), control.caption) << window << " " << control.name;
            EXPECT_EQ(label->toolTip(), control.tooltip) << window << " " << control.name;
        }
    }
}

}  // namespace
}  // namespace nimbaro::test
