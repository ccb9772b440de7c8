#include <QPalette>

#include "calculation_fixture.h"

namespace nimbaro::test {
namespace {

struct WindChillRefusal {
    std::vector<Entry> entries;
    const char* refusedBox;
    QString message;
};

void PrintTo(const WindChillRefusal& refusal, std::ostream* out) {
    *out << refusal.refusedBox;
    for (const Entry& entry : refusal.entries) {
        *out << " '" << entry.text << "'";
    }
}

const QString kPositiveWindSpeed = QStringLiteral(
    "Positive Value Needed: Please insert a number greater than 0 into the white box (Wind "
    "Speed)");

// The wind chill window ends a click with no result check: one message, whatever the outputs.
class WindChillRefusals : public CalculationFixture,
                          public testing::WithParamInterface<WindChillRefusal> {
  protected:
    void SetUp() override { launchCalculation("frmWindChillCalculations"); }

    void expectFocusOnTheRefusedBox() {
        QLineEdit* refused = box(GetParam().refusedBox);
        EXPECT_EQ(window_->focusWidget(), refused);
        EXPECT_EQ(refused->selectedText(), refused->text());
    }
};

TEST_P(WindChillRefusals, OnAFreshWindowShowOnlyTheirMessage) {
    const Click click = calculate(GetParam().entries);
    EXPECT_EQ(click.messages, std::vector<QString>{GetParam().message});
    EXPECT_EQ(click.outputs, std::vector<QString>(3));
    expectFocusOnTheRefusedBox();
}

TEST_P(WindChillRefusals, KeepAnEarlierResult) {
    const std::vector<QString> earlier = calculate(typicalEntries()).outputs;
    ASSERT_FALSE(earlier.front().isEmpty());
    const Click click = calculate(GetParam().entries);
    EXPECT_EQ(click.messages, std::vector<QString>{GetParam().message});
    EXPECT_EQ(click.outputs, earlier);
    expectFocusOnTheRefusedBox();
}

INSTANTIATE_TEST_SUITE_P(
    Messages, WindChillRefusals,
    testing::Values(
        WindChillRefusal{{{"txtInTemp", ""}, {"txtInWind", "20"}},
                         "txtInTemp",
                         "Numerical Value Needed: Please insert a number into the white box "
                         "(Temperature)"},
        // The temperature is reported before the wind speed is looked at.
        WindChillRefusal{{{"txtInTemp", "cold"}, {"txtInWind", ""}},
                         "txtInTemp",
                         "Numerical Value Needed: Please insert a number into the white box "
                         "(Temperature)"},
        WindChillRefusal{{{"txtInTemp", "-5"}, {"txtInWind", "calm"}},
                         "txtInWind",
                         "Numerical Value Needed: Please insert a number into the white box "
                         "(Wind Speed)"},
        WindChillRefusal{
            {{"txtInTemp", "-5"}, {"txtInWind", "0"}}, "txtInWind", kPositiveWindSpeed},
        WindChillRefusal{
            {{"txtInTemp", "-5"}, {"txtInWind", "-3"}}, "txtInWind", kPositiveWindSpeed}));

TEST_F(CalculationFixture, WindChillBoxesAreAlwaysEnabledAndWhite) {
    launchCalculation("frmWindChillCalculations");
    const QColor white = window_->palette().color(QPalette::Base);
    for (const char* choice : {"optOldFormula", "optKelvin", "optKnots", "optNewFormula"}) {
        choose(choice);
        calculate({{"txtInTemp", "-5"}, {"txtInWind", "0"}});
        for (const char* name : {"txtInTemp", "txtInWind"}) {
            EXPECT_TRUE(box(name)->isEnabled()) << choice << " " << name;
            EXPECT_EQ(box(name)->palette().color(QPalette::Base), white) << choice << " " << name;
        }
    }
}

class LightningDistance : public CalculationFixture {
  protected:
    void SetUp() override { launchCalculation("frmLightningDistance"); }

    void expectCorrection(bool corrected) {
        const QPalette& colours = window_->palette();
        QLineEdit* airTemperature = box("txtAirTemp");
        EXPECT_EQ(airTemperature->isEnabled(), corrected);
        EXPECT_EQ(airTemperature->palette().color(QPalette::Base),
                  colours.color(corrected ? QPalette::Base : QPalette::Button));
        for (const char* unit : {"optCelsius", "optFahrenheit", "optKelvin"}) {
            EXPECT_EQ(option(unit)->isEnabled(), corrected) << unit;
        }
        EXPECT_TRUE(box("txtTime")->isEnabled());
    }
};

TEST_F(LightningDistance, TheCorrectionEnablesTheAirTemperatureAndItsUnits) {
    EXPECT_TRUE(option("optNoCorrection")->isChecked());
    EXPECT_TRUE(option("optCelsius")->isChecked());
    expectCorrection(false);

    choose("optAirTempCorrection");
    expectCorrection(true);
    choose("optKelvin");
    const std::vector<QString> results =
        calculate({{"txtTime", "3"}, {"txtAirTemp", "293.15"}}).outputs;

    choose("optNoCorrection");
    expectCorrection(false);
    EXPECT_EQ(box("txtAirTemp")->text(), "293.15");
    EXPECT_EQ(outputs(), results);
    EXPECT_TRUE(option("optKelvin")->isChecked());
}

TEST_F(LightningDistance, WithoutCorrectionTheAirTemperatureIsIgnored) {
    choose("optAirTempCorrection");
    type(window_, "txtAirTemp", "not a number");
    choose("optNoCorrection");
    const Click click = calculate({{"txtTime", "3"}});
    EXPECT_EQ(click.outputs,
              (std::vector<QString>{"993.00000", "0.99300", "3,257.87402", "0.61702"}));
    EXPECT_TRUE(click.messages.empty());
}

}  // namespace
}  // namespace nimbaro::test
