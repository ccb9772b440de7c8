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

struct WindowDescription {
    const char* window;
    const char* title;
    std::vector<Control> controls;
    // Every focusable control in tab order; the first method option is selected at load.
    std::vector<const char*> tabOrder;
    // Each input box's fixed label, then each output's unit label.
    std::vector<std::pair<const char*, const char*>> labelsBeside;
};

void PrintTo(const WindowDescription& description, std::ostream* out) {
    *out << description.window;
}

const std::vector<Control> kTemperatureAndPressure = {
    {"fmeTemperature", "Temperature Data"},
    {"optCelsius", "Celsiu&s", "Calculate Using Celsius"},
    {"optFahrenheit", "&Fahrenheit", "Calculate Using Fahrenheit"},
    {"optKelvin", "&Kelvin", "Calculate Using Kelvin"},
    {"fmeAirPressure", "Air Pressure Data", "Select Data Type Here"},
    {"optmmOfHg", "mm &of Hg"},
    {"optinOfHg", "i&n of Hg"},
    {"cmdCalculate", "&Calculate"},
    {"cmdReset", "&Reset"},
    {"cmdOutput", "O&utput"},
    {"cmdBack", "B&ack", "Close Window"},
    {"cmdExit", "E&xit", "Close Program"},
};

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
    std::vector<Control> controls = kTemperatureAndPressure;
    controls.insert(controls.end(), GetParam().controls.begin(), GetParam().controls.end());
    for (const Control& control : controls) {
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
    option("optKelvin")->click();
    calculate(typicalEntries("optKelvin"));
    for (QLineEdit* box : window_->findChildren<QLineEdit*>()) {
        box->setText("7");
    }
    click(window_, "cmdReset");
    for (QLineEdit* box : window_->findChildren<QLineEdit*>()) {
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().data();
    }
    EXPECT_EQ(outputs(), std::vector<QString>(outputs().size()));
    EXPECT_TRUE(option("optKelvin")->isChecked());
    EXPECT_TRUE(option(GetParam().tabOrder.front())->isChecked());
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

TEST_F(CalculationFixture, TheTemperatureOutputsHaveTheirUnitLabels) {
    for (const char* window : {"frmDewPoint", "frmWetBulb"}) {
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
