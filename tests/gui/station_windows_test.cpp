#include <QLabel>

#include "calculation_fixture.h"
#include "calculation_forms.h"
#include "calculation_window.h"
#include "locale_bridge.h"
#include "message_catcher.h"

namespace nimbaro::test {
namespace {

// Options clicked in this order, then the entries typed and "&Calculate" pressed: every output
// row and the quiet lines as shown, the digits those of nimbaro-calc for the same inputs.
struct Case {
    const char* launchButton;
    const char* window;
    std::vector<const char*> choices;
    std::vector<Entry> entries;
    std::vector<QString> shown;
    QString note = {};
    QString risk = {};
};

void PrintTo(const Case& example, std::ostream* out) {
    *out << example.window;
    for (const char* choice : example.choices) {
        *out << " " << choice;
    }
}

class StationWindows : public WindowFixture, public testing::WithParamInterface<Case> {};

TEST_P(StationWindows, ShowTheEnginesDigitsAndLines) {
    const Case& example = GetParam();
    QWidget* window = launch(example.launchButton, example.window);
    for (const char* choice : example.choices) {
        click(window, choice);
    }
    for (const Entry& entry : example.entries) {
        type(window, entry.box, QString::fromUtf8(entry.text));
    }
    MessageCatcher messages;
    click(window, "cmdCalculate");
    std::vector<const char*> rows;
    for (const CalculationForm* form : calculationForms()) {
        if (fromUtf8(form->windowName) == example.window) {
            for (const CalculationForm::Output& output : form->outputs) {
                rows.push_back(output.name.data());
            }
        }
    }
    EXPECT_EQ(texts(window, rows), example.shown);
    EXPECT_EQ(text(window, "lblNote").replace('\n', ' '), example.note);
    // Only a window whose results have categories has a risk line.
    const auto* risk = window->findChild<QLabel*>("lblRisk");
    EXPECT_EQ(risk != nullptr ? risk->text() : QString(), example.risk);
    EXPECT_TRUE(messages.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, StationWindows,
    testing::Values(
        Case{"cmdPressureAltitudeCalcs",
             "frmPressureAltitude",
             {"optPressureAltitude"},
             {{"txtAirPressure", "1000"}},
             {"363.64458", "110.83887"}},
        Case{"cmdPressureAltitudeCalcs",
             "frmPressureAltitude",
             {"optSeaLevelPressure", "optinOfHg", "optFeet", "optFahrenheit"},
             {{"txtAirPressure", "29.5"}, {"txtElevation", "1000"}, {"txtAirTemp", "50"}},
             {"1,036.27107", "30.60116"}},
        Case{"cmdVapourPressureCalcs",
             "frmVapourPressure",
             {"optVapourPressureDewPoint"},
             {{"txtDewPoint", "10"}},
             {"12.26030", "0.36205", ""}},
        Case{"cmdVapourPressureCalcs",
             "frmVapourPressure",
             {"optFrostPointHumidity"},
             {{"txtAirTemp", "-5"}, {"txtHumidity", "80"}},
             {"-7.01414", "19.37455", "266.13586"}},
        Case{"cmdMoistureContentCalcs",
             "frmMoistureContent",
             {"optMixingRatioHumidity"},
             {{"txtAirTemp", "20"}, {"txtHumidity", "50"}, {"txtAirPressure", "1000"}},
             {"7.33974"}},
        Case{"cmdComfortCalcs",
             "frmComfort",
             {"optHumidex"},
             {{"txtAirTemp", "30"}, {"txtDewPoint", "15"}},
             {"33.96900", "", ""},
             {},
             "Some discomfort"},
        Case{"cmdComfortCalcs",
             "frmComfort",
             {"optFeelsLike"},
             {{"txtAirTemp", "35"}, {"txtHumidity", "50"}, {"txtWindSpeed", "10"}},
             {"40.67543", "105.21577", "313.82543"},
             "Feels like: NWS heat index"},
        Case{"cmdAirDensityCalcs",
             "frmAirDensity",
             {"optAirDensityDryAir"},
             {{"txtAirTemp", "15"}, {"txtAirPressure", "1013.25"}},
             {"1.22501", "", ""}},
        Case{"cmdBeaufortCalcs",
             "frmBeaufort",
             {"optKnots"},
             {{"txtWindSpeed", "25"}},
             {"6"},
             {},
             "Strong breeze"}));

class StationUnits : public WindowFixture {};

// The unit labels, the outputs' names and tooltips follow the method chosen; the results of
// another calculation go, even in the same units, and those of the same calculation stay.
TEST_F(StationUnits, FollowTheMethodChosen) {
    QWidget* window = launch("cmdPressureAltitudeCalcs", "frmPressureAltitude");
    EXPECT_EQ(texts(window, {"Label6", "Label7"}),
              std::vector<QString>({"Hectopascals", "in of Hg"}));
    type(window, "txtAirPressure", "900");
    type(window, "txtElevation", "1000");
    type(window, "txtAirTemp", "20");
    click(window, "cmdCalculate");
    click(window, "optAltimeterSetting");
    EXPECT_EQ(texts(window, {"Label6", "lblOutput1"}), std::vector<QString>({"Hectopascals", ""}));
    click(window, "optDensityAltitudeDewPoint");
    type(window, "txtDewPoint", "10");
    click(window, "cmdCalculate");
    click(window, "optDensityAltitudeDryAir");
    EXPECT_FALSE(text(window, "lblOutput1").isEmpty());

    click(window, "optPressureAltitude");
    EXPECT_EQ(texts(window, {"Label6", "Label7", "lblOutput1", "lblOutput2", "lblNote"}),
              std::vector<QString>({"Feet", "Metres", "", "", ""}));
    auto* output = find<QLabel>(window, "lblOutput1");
    EXPECT_EQ(output->toolTip(), "Feet Output Number");
    EXPECT_EQ(output->accessibleName(), "Feet result");

    QWidget* comfort = launch("cmdComfortCalcs", "frmComfort");
    click(comfort, "optFeelsLike");
    EXPECT_EQ(texts(comfort, {"Label5", "Label6", "Label7"}),
              std::vector<QString>({"Celsius", "Fahrenheit", "Kelvin"}));
    click(comfort, "optHumidex");
    EXPECT_EQ(texts(comfort, {"Label5", "Label6", "Label7"}),
              std::vector<QString>({"Celsius", "", ""}));
    EXPECT_EQ(find<QLabel>(comfort, "lblOutput2")->toolTip(), "");
}

// Every method of every window leaves each control inside the window and apart from the
// others, whatever units it names.
TEST_F(StationUnits, FitTheWindowForEveryMethod) {
    for (const CalculationForm* form : calculationForms()) {
        CalculationWindow window(*registry_, *form);
        window.show();
        for (const CalculationForm::MethodOption& method : form->methods) {
            click(&window, method.name.data());
            EXPECT_EQ(crowdedControls(&window), std::vector<QString>{})
                << form->windowName << " " << method.name;
        }
    }
}

}  // namespace
}  // namespace nimbaro::test
