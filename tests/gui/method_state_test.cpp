#include <QPalette>

#include "calculation_fixture.h"
#include "calculation_window.h"

namespace nimbaro::test {
namespace {

struct MethodState {
    const char* window;
    const char* method;
    std::vector<const char*> used;
    std::vector<const char*> unused;
    bool pressureUnitsEnabled;
    const char* pressureUnitSelected;  // nullptr: none
};

void PrintTo(const MethodState& state, std::ostream* out) {
    *out << state.window << " " << state.method;
}

// The boxes and pressure options as `state` says.
class MethodStateFixture : public CalculationFixture {
  protected:
    void expectState(const MethodState& state) {
        const QPalette& colours = window_->palette();
        for (const char* name : state.used) {
            EXPECT_TRUE(box(name)->isEnabled()) << name;
            EXPECT_EQ(box(name)->palette().color(QPalette::Base), colours.color(QPalette::Base))
                << name;
        }
        for (const char* name : state.unused) {
            EXPECT_FALSE(box(name)->isEnabled()) << name;
            EXPECT_EQ(box(name)->palette().color(QPalette::Base), colours.color(QPalette::Button))
                << name;
            EXPECT_NE(box(name)->palette().color(QPalette::Base), colours.color(QPalette::Base))
                << name;
        }
        const QString selected = QString::fromLatin1(state.pressureUnitSelected);
        for (QRadioButton* unit :
             find<QWidget>(window_, "fmeAirPressure")->findChildren<QRadioButton*>()) {
            EXPECT_EQ(unit->isEnabled(), state.pressureUnitsEnabled) << unit->objectName().data();
            EXPECT_EQ(unit->isChecked(), unit->objectName() == selected)
                << unit->objectName().data();
        }
    }
};

class MethodStates : public MethodStateFixture, public testing::WithParamInterface<MethodState> {
  protected:
    void SetUp() override { launchCalculation(GetParam().window); }
};

TEST_P(MethodStates, SetEnablingColoursAndThePressureUnit) {
    choose(GetParam().method);
    EXPECT_TRUE(option(GetParam().method)->isChecked());
    expectState(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Methods, MethodStates,
    testing::Values(MethodState{"frmHumidity",
                                "optAirTempDewPoint",
                                {"txtAirTemp", "txtDewPoint"},
                                {"txtWetBulb", "txtAirPressure"},
                                false,
                                nullptr},
                    MethodState{"frmHumidity",
                                "optAirTempWetBulbAirPressure",
                                {"txtAirTemp", "txtWetBulb", "txtAirPressure"},
                                {"txtDewPoint"},
                                true,
                                "optHpaMb"},
                    MethodState{"frmDewPoint",
                                "optAirTempHumidity",
                                {"txtAirTemp", "txtHumidity"},
                                {"txtWetBulb", "txtAirPressure"},
                                false,
                                nullptr},
                    MethodState{"frmDewPoint",
                                "optAirTempWetBulbAirPressure",
                                {"txtAirTemp", "txtWetBulb", "txtAirPressure"},
                                {"txtHumidity"},
                                true,
                                "optHectopascalsMillibars"},
                    MethodState{"frmWetBulb",
                                "optAirTempHumidity",
                                {"txtAirTemp", "txtHumidity", "txtAirPressure"},
                                {"txtDewPoint"},
                                true,
                                "optHectopascalsMillibars"},
                    MethodState{"frmWetBulb",
                                "optAirTempDewPoint",
                                {"txtAirTemp", "txtDewPoint", "txtAirPressure"},
                                {"txtHumidity"},
                                true,
                                "optHectopascalsMillibars"}));

// Entering a method from another one; the humidity method is the load state.
INSTANTIATE_TEST_SUITE_P(
    Weather, MethodStates,
    testing::Values(MethodState{"frmHeatIndex",
                                "optAirTempHumidity",
                                {"txtAirTemp", "txtHumidity"},
                                {"txtDewPoint", "txtWetBulb", "txtAirPressure"},
                                false,
                                nullptr},
                    MethodState{"frmHeatIndex",
                                "optAirTempDew",
                                {"txtAirTemp", "txtDewPoint"},
                                {"txtHumidity", "txtWetBulb", "txtAirPressure"},
                                false,
                                nullptr},
                    MethodState{"frmHeatIndex",
                                "optAirTempWetBAirPressure",
                                {"txtAirTemp", "txtWetBulb", "txtAirPressure"},
                                {"txtHumidity", "txtDewPoint"},
                                true,
                                "optHpaMb"},
                    MethodState{"frmCloudHeight",
                                "optAirTempHumidity",
                                {"txtAirTemp", "txtHumidity"},
                                {"txtDewPoint", "txtWetBulb", "txtAirPressure"},
                                false,
                                nullptr},
                    MethodState{"frmCloudHeight",
                                "optAirTempDew",
                                {"txtAirTemp", "txtDewPoint"},
                                {"txtHumidity", "txtWetBulb", "txtAirPressure"},
                                false,
                                nullptr},
                    MethodState{"frmCloudHeight",
                                "optAirTempWetBAirPressure",
                                {"txtAirTemp", "txtWetBulb", "txtAirPressure"},
                                {"txtHumidity", "txtDewPoint"},
                                true,
                                "optHpaMb"}));

// A method handler that runs while its own option is not selected sets the boxes of the
// other methods.
struct UnselectedHandler {
    const char* option;  // whose handler runs
    MethodState state;   // state.method is the option selected when the handler runs
};

void PrintTo(const UnselectedHandler& call, std::ostream* out) {
    *out << call.state.window << " " << call.state.used.size() << " boxes used";
}

class UnselectedHandlers : public MethodStateFixture,
                           public testing::WithParamInterface<UnselectedHandler> {};

TEST_P(UnselectedHandlers, SetTheOtherMethodsBoxes) {
    const MethodState& state = GetParam().state;
    launchCalculation(state.window);
    choose(state.method);
    auto* window = dynamic_cast<CalculationWindow*>(window_);
    ASSERT_NE(window, nullptr);
    window->onMethodClicked(option(GetParam().option));
    EXPECT_TRUE(option(state.method)->isChecked());
    expectState(state);
}

std::vector<UnselectedHandler> unselectedHandlers(const char* window) {
    return {
        {"optAirTempHumidity",
         {window,
          "optAirTempDew",
          {"txtAirTemp", "txtDewPoint", "txtWetBulb", "txtAirPressure"},
          {"txtHumidity"},
          true,
          "optHpaMb"}},
        {"optAirTempDew",
         {window,
          "optAirTempHumidity",
          {"txtAirTemp", "txtHumidity", "txtWetBulb", "txtAirPressure"},
          {"txtDewPoint"},
          true,
          "optHpaMb"}},
        {"optAirTempWetBAirPressure",
         {window,
          "optAirTempHumidity",
          {"txtAirTemp", "txtHumidity", "txtDewPoint"},
          {"txtWetBulb", "txtAirPressure"},
          false,
          nullptr}},
    };
}

INSTANTIATE_TEST_SUITE_P(HeatIndex, UnselectedHandlers,
                         testing::ValuesIn(unselectedHandlers("frmHeatIndex")));
INSTANTIATE_TEST_SUITE_P(CloudHeight, UnselectedHandlers,
                         testing::ValuesIn(unselectedHandlers("frmCloudHeight")));

struct Switch {
    const char* window;
    const char* firstMethod;
    const char* pressureMethod;
    const char* hectopascals;
    const char* firstMethodBox;  // read by the first method only
    bool resetsToHectopascals;
};

void PrintTo(const Switch& change, std::ostream* out) {
    *out << change.window;
}

class MethodSwitches : public CalculationFixture, public testing::WithParamInterface<Switch> {
  protected:
    void SetUp() override { launchCalculation(GetParam().window); }
};

TEST_P(MethodSwitches, KeepResultsAndTheTextOfDisabledBoxes) {
    const std::vector<QString> results = calculate(typicalEntries()).outputs;
    ASSERT_FALSE(results.front().isEmpty());
    QLineEdit* firstMethodBox = box(GetParam().firstMethodBox);
    const QString typed = firstMethodBox->text();

    choose(GetParam().pressureMethod);
    EXPECT_FALSE(firstMethodBox->isEnabled());
    EXPECT_EQ(firstMethodBox->text(), typed);
    EXPECT_EQ(outputs(), results);

    choose(GetParam().firstMethod);
    EXPECT_TRUE(firstMethodBox->isEnabled());
    EXPECT_EQ(firstMethodBox->text(), typed);
    EXPECT_EQ(outputs(), results);
}

TEST_P(MethodSwitches, EnteringAPressureMethodResetsTheUnitWhereItEnablesIt) {
    choose(GetParam().pressureMethod);
    choose("optmmOfHg");
    choose(GetParam().firstMethod);
    EXPECT_TRUE(option("optmmOfHg")->isChecked());
    choose(GetParam().pressureMethod);
    EXPECT_EQ(option(GetParam().hectopascals)->isChecked(), GetParam().resetsToHectopascals);
    EXPECT_EQ(option("optmmOfHg")->isChecked(), !GetParam().resetsToHectopascals);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, MethodSwitches,
    testing::Values(Switch{"frmHumidity", "optAirTempDewPoint", "optAirTempWetBulbAirPressure",
                           "optHpaMb", "txtDewPoint", true},
                    Switch{"frmDewPoint", "optAirTempHumidity", "optAirTempWetBulbAirPressure",
                           "optHectopascalsMillibars", "txtHumidity", true},
                    // Both methods read the pressure here: the chosen unit stays.
                    Switch{"frmWetBulb", "optAirTempHumidity", "optAirTempDewPoint",
                           "optHectopascalsMillibars", "txtHumidity", false}));

// Leaving the wet-bulb method with mm of Hg chosen, by either other method, and entering it
// again selects hectopascals once more.
INSTANTIATE_TEST_SUITE_P(
    Weather, MethodSwitches,
    testing::Values(Switch{"frmHeatIndex", "optAirTempHumidity", "optAirTempWetBAirPressure",
                           "optHpaMb", "txtHumidity", true},
                    Switch{"frmHeatIndex", "optAirTempDew", "optAirTempWetBAirPressure", "optHpaMb",
                           "txtDewPoint", true},
                    Switch{"frmCloudHeight", "optAirTempHumidity", "optAirTempWetBAirPressure",
                           "optHpaMb", "txtHumidity", true},
                    Switch{"frmCloudHeight", "optAirTempDew", "optAirTempWetBAirPressure",
                           "optHpaMb", "txtDewPoint", true}));

}  // namespace
}  // namespace nimbaro::test
