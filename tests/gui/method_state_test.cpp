#include <QPalette>

#include "calculation_fixture.h"

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

class MethodStates : public CalculationFixture, public testing::WithParamInterface<MethodState> {
  protected:
    void SetUp() override { launchCalculation(GetParam().window); }

    void expectState() {
        const QPalette& colours = window_->palette();
        for (const char* name : GetParam().used) {
            EXPECT_TRUE(box(name)->isEnabled()) << name;
            EXPECT_EQ(box(name)->palette().color(QPalette::Base), colours.color(QPalette::Base))
                << name;
        }
        for (const char* name : GetParam().unused) {
            EXPECT_FALSE(box(name)->isEnabled()) << name;
            EXPECT_EQ(box(name)->palette().color(QPalette::Base), colours.color(QPalette::Button))
                << name;
            EXPECT_NE(box(name)->palette().color(QPalette::Base), colours.color(QPalette::Base))
                << name;
        }
        const QString selected = QString::fromLatin1(GetParam().pressureUnitSelected);
        for (QRadioButton* unit :
             find<QWidget>(window_, "fmeAirPressure")->findChildren<QRadioButton*>()) {
            EXPECT_EQ(unit->isEnabled(), GetParam().pressureUnitsEnabled)
                << unit->objectName().data();
            EXPECT_EQ(unit->isChecked(), unit->objectName() == selected)
                << unit->objectName().data();
        }
    }
};

TEST_P(MethodStates, SetEnablingColoursAndThePressureUnit) {
    choose(GetParam().method);
    EXPECT_TRUE(option(GetParam().method)->isChecked());
    expectState();
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

}  // namespace
}  // namespace nimbaro::test
