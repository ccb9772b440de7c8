#include <QAccessible>
#include <QLineEdit>

#include "every_window.h"
#include "message_catcher.h"
#include "output_label.h"
#include "window_fixture.h"

namespace nimbaro::test {
namespace {

bool interactive(QAccessibleInterface* control) {
    switch (control->role()) {
        case QAccessible::PushButton:
        case QAccessible::RadioButton:
        case QAccessible::CheckBox:
        case QAccessible::EditableText:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::PageTab:
        case QAccessible::MenuItem:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
        case QAccessible::Link:
            return true;
        default:
            return control->state().focusable;
    }
}

QString describe(QAccessibleInterface* control) {
    const QObject* object = control->object();
    return QStringLiteral("%1 (role %2) named '%3'")
        .arg(object != nullptr ? object->objectName() : QString())
        .arg(control->role())
        .arg(control->text(QAccessible::Name));
}

// Every interactive control under `parent` whose name is missing or shows an accelerator mark.
void collectUnnamed(QAccessibleInterface* parent, std::vector<QString>& unnamed) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child == nullptr) {
            continue;
        }
        const QString name = child->text(QAccessible::Name);
        if (interactive(child) && (name.trimmed().isEmpty() || name.contains('&'))) {
            unnamed.push_back(describe(child));
        }
        collectUnnamed(child, unnamed);
    }
}

using AccessibilityTest = WindowFixture;

TEST_F(AccessibilityTest, EveryInteractiveControlOfEveryWindowHasAName) {
    const std::vector<QWidget*> windows = openEveryWindow(*registry_);
    EXPECT_EQ(windows.size(), 25U);
    for (QWidget* window : windows) {
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
        ASSERT_NE(root, nullptr) << window->objectName();
        std::vector<QString> unnamed;
        collectUnnamed(root, unnamed);
        EXPECT_EQ(unnamed, std::vector<QString>{}) << window->objectName();
    }
}

// An output reads as "<unit> result" with the value it shows, in every window.
TEST_F(AccessibilityTest, EveryOutputIsNamedByItsUnitAndReadsItsValue) {
    MessageCatcher messages;
    for (QWidget* window : openEveryWindow(*registry_)) {
        computeSample(window);
        for (OutputLabel* output : window->findChildren<OutputLabel*>()) {
            QAccessibleInterface* readout = QAccessible::queryAccessibleInterface(output);
            ASSERT_NE(readout, nullptr);
            // A row the chosen method gives no output for has no unit and shows nothing.
            if (output->unitName().isEmpty()) {
                EXPECT_EQ(output->text(), "") << output->objectName();
                continue;
            }
            EXPECT_EQ(readout->role(), QAccessible::StaticText);
            EXPECT_EQ(readout->text(QAccessible::Name), output->unitName() + " result");
            EXPECT_EQ(readout->text(QAccessible::Value), output->text()) << output->objectName();
        }
    }
}

struct NamedControl {
    const char* launchButton;
    const char* window;
    const char* control;
    const char* name;
};

void PrintTo(const NamedControl& control, std::ostream* out) {
    *out << control.window << '.' << control.control;
}

class AccessibleNames : public WindowFixture, public testing::WithParamInterface<NamedControl> {};

TEST_P(AccessibleNames, SayWhatTheControlIs) {
    QWidget* window = launch(GetParam().launchButton, GetParam().window);
    QAccessibleInterface* control =
        QAccessible::queryAccessibleInterface(find<QWidget>(window, GetParam().control));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->text(QAccessible::Name), GetParam().name);
}

// An input box is named by its caption, an option and a button by theirs without the
// accelerator mark, an output by its unit.
INSTANTIATE_TEST_SUITE_P(
    Windows, AccessibleNames,
    testing::Values(
        NamedControl{"cmdHeatIndexCalcs", "frmHeatIndex", "txtAirTemp", "Air Temperature"},
        NamedControl{"cmdHeatIndexCalcs", "frmHeatIndex", "txtAirPressure",
                     "Air Pressure (Sea Level)"},
        NamedControl{"cmdHeatIndexCalcs", "frmHeatIndex", "optCelsius", "Celsius"},
        NamedControl{"cmdHeatIndexCalcs", "frmHeatIndex", "cmdCalculate", "Calculate"},
        NamedControl{"cmdHeatIndexCalcs", "frmHeatIndex", "lblKelvin", "Kelvin result"},
        NamedControl{"cmdWindChillCalcs", "frmWindChillCalculations", "txtInWind", "Wind Speed"},
        NamedControl{"cmdHumidityCalcs", "frmHumidity", "lblHumidity", "Percent result"},
        NamedControl{"cmdLightningDistanceCalcs", "frmLightningDistance", "txtTime",
                     "Time (Seconds)"},
        NamedControl{"cmdPressureAltitudeCalcs", "frmPressureAltitude", "txtElevation",
                     "Elevation"},
        NamedControl{"cmdPressureAltitudeCalcs", "frmPressureAltitude", "lblOutput2",
                     "in of Hg result"},
        NamedControl{"cmdComfortCalcs", "frmComfort", "lblOutput3", ""},
        NamedControl{"cmdBeaufortCalcs", "frmBeaufort", "lblForce", "Force result"},
        NamedControl{"cmdTemperatureConversions", "frmTemperature", "txtInTemp",
                     "Value to convert"},
        NamedControl{"cmdTemperatureConversions", "frmTemperature", "lblFahrenheit",
                     "Fahrenheit result"},
        NamedControl{"cmdWindDirectionConversions", "frmWindDirection", "txtInputDegrees",
                     "Degrees to convert"},
        NamedControl{"cmdWindDirectionConversions", "frmWindDirection", "optWNW",
                     "West North West"},
        NamedControl{"cmdWindDirectionConversions", "frmWindDirection", "lblDirectionAcr",
                     "Compass point result"}));

// A screen reader reads an output's value as its value and as its text, and reads nothing once
// it is cleared.
TEST_F(AccessibilityTest, OutputsReadTheirCurrentValue) {
    QWidget* window = launch("cmdHeatIndexCalcs", "frmHeatIndex");
    type(window, "txtAirTemp", "30");
    type(window, "txtHumidity", "50");
    click(window, "cmdCalculate");
    QAccessibleInterface* celsius =
        QAccessible::queryAccessibleInterface(find<QWidget>(window, "lblCelsius"));
    ASSERT_NE(celsius, nullptr);
    ASSERT_NE(celsius->textInterface(), nullptr);
    EXPECT_EQ(celsius->text(QAccessible::Value), "31.48691");
    EXPECT_EQ(celsius->textInterface()->text(0, celsius->textInterface()->characterCount()),
              "31.48691");
    click(window, "cmdOutput");
    EXPECT_EQ(celsius->text(QAccessible::Value), "");
    EXPECT_EQ(celsius->textInterface()->characterCount(), 0);
}

}  // namespace
}  // namespace nimbaro::test
