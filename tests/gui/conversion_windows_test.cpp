#include <QGroupBox>
#include <QLocale>

#include <set>

#include "conversion_forms.h"
#include "message_catcher.h"
#include "window_fixture.h"

namespace nimbaro::test {
namespace {

TEST(ConversionForms, HaveOneOptionAndOutputPerUnitAndNoClashingNames) {
    for (const ConversionForm* form : conversionForms()) {
        SCOPED_TRACE(form->windowName);
        ASSERT_EQ(form->options.size(), form->quantity.units.size());
        ASSERT_EQ(form->outputs.size(), form->quantity.units.size());
        std::multiset<std::string_view> names = {
            "Frame1", "cmdConvert", "cmdReset", "cmdOutput", "cmdBack", "cmdExit", form->inputName};
        for (const auto& option : form->options) {
            names.insert(option.name);
        }
        for (const auto& output : form->outputs) {
            names.insert(output.name);
            names.insert(output.unitLabelName);
        }
        for (const auto& note : form->notes) {
            names.insert(note.name);
        }
        for (std::string_view name : names) {
            EXPECT_EQ(names.count(name), 1u) << name;
        }
    }
}

struct ConversionWindowCase {
    const char* launchButton;
    const char* window;
    const char* title;
    const char* inputBox;
    const char* defaultOption;
    std::vector<const char*> outputs;
    // One worked example: option, input and every output as shown.
    const char* option;
    const char* input;
    QString shown;
    // A unit from which an input of 1e308 leaves the double range.
    const char* overflowOption;
};

const std::vector<ConversionWindowCase> kWindows = {
    {"cmdLengthConversions",
     "frmLengthConversions",
     "Length Conversions",
     "txtInLength",
     "optMillimetres",
     {"lblMillimetres", "lblMetres", "lblKilometres", "lblInches", "lblFeet", "lblYards",
      "lblMiles", "lblNauticleMiles"},
     "optMiles",
     "1",
     "1,609,344.00000 | 1,609.34400 | 1.60934 | 63,360.00000 | 5,280.00000 | 1,760.00000 | "
     "1.00000 | 0.86898",
     "optNauticleMiles"},
    {"cmdAreaConversions",
     "frmAreaConversions",
     "Area Conversions",
     "txtInputArea",
     "optMillimetres",
     {"lblMillimetres", "lblCentimetres", "lblMetres", "lblKilometres", "lblInches", "lblFeet",
      "lblYards", "lblMiles", "lblAcres", "lblHectares"},
     "optHectares",
     "1",
     "10,000,000,000.0000000000 | 100,000,000.0000000000 | 10,000.0000000000 | 0.0100000000 | "
     "15,500,031.0000620000 | 107,639.1041670970 | 11,959.9004630108 | 0.0038610216 | "
     "2.4710516302 | 1.0000000000",
     "optMiles"},
    {"cmdVolumeConversions",
     "frmVolumeConversions",
     "Volume Conversions",
     "txtInputVolume",
     "optMillimetres",
     {"lblMillimetres", "lblCentimetres", "lblMetres", "lblKilometres", "lblInches", "lblFeet",
      "lblYards", "lblMiles"},
     "optKilometres",
     "1",
     "1,000,000,000,000,000,000.0000000000 | 1,000,000,000,000,000.0000000000 | "
     "1,000,000,000.0000000000 | 1.0000000000 | 61,023,744,094,732.3000000000 | "
     "35,314,666,721.4886000000 | 1,307,950,619.3143900000 | 0.2399127586",
     "optKilometres"},
    {"cmdMassConversions",
     "frmMassConversions",
     "Mass Conversions",
     "txtInputMass",
     "optGrams",
     {"lblGrams", "lblKilograms", "lblTonne", "lblOunces", "lblPounds", "lblStone"},
     "optStone",
     "1",
     "6,350.29318 | 6.35029 | 0.00635 | 224.00000 | 14.00000 | 1.00000",
     "optTonne"},
    {"cmdTimeConversions",
     "frmTimeConversions",
     "Time Conversions",
     "txtInputTime",
     "optSeconds",
     {"lblSeconds", "lblMinutes", "lblHours", "lblDays", "lblWeeks"},
     "optWeeks",
     "1",
     "604,800.00000 | 10,080.00000 | 168.00000 | 7.00000 | 1.00000",
     "optWeeks"},
    {"cmdRainfallConversions",
     "frmRainfallConversions",
     "Rainfall Conversions",
     "txtInRain",
     "optMillimetres",
     {"lblMillimetres", "lblCentimetres", "lblMetres", "lblPoints", "lblInches", "lblFeet"},
     "optMillimetres",
     "25.4",
     "25.40000 | 2.54000 | 0.02540 | 100.00000 | 1.00000 | 0.08333",
     "optMetres"},
    {"cmdWindSpeedConversions",
     "frmWindSpeedConversions",
     "Wind Speed Conversions",
     "txtInWindSpd",
     "optKmPerHour",
     {"lblKmPerHour", "lblMPerSec", "lblMilesPerHour", "lblFeetPerSec", "lblKnots"},
     "optKnots",
     "10",
     "18.52000 | 5.14444 | 11.50779 | 16.87810 | 10.00000",
     "optMPerSec"},
    {"cmdAirPressure",
     "frmAirPressureConversions",
     "Air Pressure Conversions",
     "txtInAirPres",
     "optHectopascals",
     {"lblPascals", "lblHectopascals", "lblMillibars", "lblmmOfHg", "lblinOfHg"},
     "optMillibars",
     " 1013.25 ",
     "101,325.00000 | 1,013.25000 | 1,013.25000 | 760.00210 | 29.92134",
     "optinOfHg"},
};

class ConversionWindowTest : public WindowFixture,
                             public testing::WithParamInterface<ConversionWindowCase> {
  protected:
    void SetUp() override { window_ = launch(GetParam().launchButton, GetParam().window); }

    QString shown() {
        QStringList row;
        for (const QString& text : texts(window_, GetParam().outputs)) {
            row << text;
        }
        return row.join(" | ");
    }

    QString convert(const char* option, const QString& input) {
        find<QRadioButton>(window_, option)->setChecked(true);
        type(window_, GetParam().inputBox, input);
        click(window_, "cmdConvert");
        return shown();
    }

    QWidget* window_ = nullptr;
};

TEST_P(ConversionWindowTest, LaunchOpensItWithTheDefaultUnitAndEmptyOutputs) {
    ASSERT_NE(window_, nullptr);
    EXPECT_EQ(window_->windowTitle(), GetParam().title);
    EXPECT_EQ(find<QGroupBox>(window_, "Frame1")->title(), "Select Data Type Here");
    for (QRadioButton* option : find<QGroupBox>(window_, "Frame1")->findChildren<QRadioButton*>()) {
        EXPECT_EQ(option->isChecked(), option->objectName() == GetParam().defaultOption)
            << option->objectName().toStdString();
    }
    auto* box = find<QLineEdit>(window_, GetParam().inputBox);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(box->toolTip(), "Insert a Number Here");
    for (const char* output : GetParam().outputs) {
        EXPECT_TRUE(find<QLabel>(window_, output)->font().bold()) << output;
    }
    EXPECT_EQ(shown(), QStringList(GetParam().outputs.size(), "").join(" | "));
}

TEST_P(ConversionWindowTest, ConvertShowsTheWorkedExample) {
    EXPECT_EQ(convert(GetParam().option, GetParam().input), GetParam().shown);
}

TEST_P(ConversionWindowTest, AResultOutsideTheDoubleRangeWritesNothing) {
    convert(GetParam().option, GetParam().input);
    MessageCatcher messages;
    EXPECT_EQ(convert(GetParam().overflowOption, "1e308"), GetParam().shown);
    EXPECT_EQ(messages.summaries(),
              std::vector<QString>{"Unable to Calculate: Invalid Numbers Used"});
}

TEST_P(ConversionWindowTest, ABadEntryGivesTheMessageAndKeepsTheOutputs) {
    convert(GetParam().option, GetParam().input);
    MessageCatcher messages;
    EXPECT_EQ(convert(GetParam().option, "abc"), GetParam().shown);
    EXPECT_EQ(messages.summaries(),
              std::vector<QString>{"Numerical Value Needed: Please insert a number into the "
                                   "white box"});
    EXPECT_EQ(window_->focusWidget(), find<QLineEdit>(window_, GetParam().inputBox));
}

TEST_P(ConversionWindowTest, ControlsStayInsideAndApart) {
    EXPECT_EQ(crowdedControls(window_), std::vector<QString>{});
}

INSTANTIATE_TEST_SUITE_P(Windows, ConversionWindowTest, testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.window); });

class ConversionWindowTexts : public WindowFixture {};

// The system's own texts, odd spellings included.
TEST_F(ConversionWindowTexts, ShowAsTheSystemWordsThem) {
    struct Text {
        const char* window;
        const char* control;
        const char* caption;
        const char* tooltip;
    };
    const std::vector<Text> expected = {
        {"frmLengthConversions", "optNauticleMiles", "&Nauticle Miles",
         "Convert from Nauticle Miles"},
        {"frmLengthConversions", "Label8", "Nauticle Miles", ""},
        {"frmLengthConversions", "cmdOutput", "O&utput", "Clear Answers"},
        {"frmAreaConversions", "cmdOutput", "O&utput", "Clear All Numbers"},
        {"frmAreaConversions", "optAcres", "Acre&s", "Convert from Acres"},
        {"frmVolumeConversions", "cmdOutput", "O&utput", "Clear All Numbers"},
        {"frmMassConversions", "Frame1", "", ""},
        {"frmMassConversions", "optGrams", "&Grams", "Convert From Grams"},
        {"frmMassConversions", "cmdConvert", "&Convert", "Convert Numbers"},
        {"frmMassConversions", "cmdOutput", "O&utput", "Clear All Numbers"},
        {"frmTimeConversions", "optDays", "&Days", "Convert From Days"},
        {"frmTimeConversions", "optWeeks", "&Weeks", "Weeks"},
        {"frmWindSpeedConversions", "optMPerSec", "&Metres / Sec",
         "Convert from Metres Per Second"},
        {"frmWindSpeedConversions", "Label4", "Feet / sec", ""},
        {"frmWindSpeedConversions", "lblKmPerHour", "", "Kilometres Per Hour Output Number"},
        {"frmAirPressureConversions", "optmmOfHg", "mm &of Hg",
         "Convert from Millimetres of Mercury"},
        {"frmAirPressureConversions", "lblinOfHg", "", "Inches of Mercury Output Number"},
        {"frmRainfallConversions", "optPoints", "&Points", "Convert from Points"},
    };
    for (const Text& text : expected) {
        QWidget* control = find<QWidget>(open(text.window), text.control);
        ASSERT_NE(control, nullptr) << text.control;
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            EXPECT_EQ(button->text(), text.caption) << text.control;
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            EXPECT_EQ(label->text(), text.caption) << text.control;
        }
        EXPECT_EQ(control->toolTip(), text.tooltip) << text.window << " " << text.control;
    }
}

// Only the area window's note is bold.
TEST_F(ConversionWindowTexts, NotesStandInsideTheFrame) {
    struct Note {
        const char* window;
        const char* name;
        bool bold;
    };
    for (const auto& [windowName, name, bold] : {Note{"frmAreaConversions", "Label12", true},
                                                 Note{"frmVolumeConversions", "Label1", false}}) {
        QWidget* window = open(windowName);
        auto* note = find<QLabel>(window, name);
        auto* frame = find<QGroupBox>(window, "Frame1");
        EXPECT_EQ(note->parentWidget(), frame);
        EXPECT_EQ(note->font().bold(), bold) << name;
        EXPECT_TRUE(frame->rect().contains(note->geometry())) << name;
    }
    EXPECT_EQ(find<QLabel>(open("frmAreaConversions"), "Label12")->text(),
              "# NOTE: Parameters are in Square Units");
    EXPECT_EQ(find<QLabel>(open("frmVolumeConversions"), "Label1")->text(),
              "# NOTE: Parameters are in Cubic Units");
}

// A result that rounds to zero from a value that is not zero keeps its zeros and gets a note
// under the outputs, which Reset clears; a zero that is zero gets none.
TEST_F(ConversionWindowTexts, AResultRoundedAwayIsNoted) {
    struct Case {
        const char* window;
        const char* box;
        const char* option;
        const char* input;
        const char* zeroLabel;
        const char* shown;
        QString note;
    };
    const std::vector<Case> cases = {
        {"frmAreaConversions", "txtInputArea", "optMillimetres", "1", "lblKilometres",
         "0.0000000000", "below 0.0000000001 km\u00B2 and mi\u00B2"},
        {"frmLengthConversions", "txtInLength", "optMillimetres", "1", "lblMiles", "0.00000",
         "below 0.00001 km, mi and nmi"},
        {"frmTemperature", "txtInTemp", "optCelsius", "-17.7777777777778", "lblFahrenheit",
         "0.00000", "above -0.00001 \u00B0F"},
        {"frmTemperature", "txtInTemp", "optCelsius", "1e-9", "lblCelsius", "0.00000",
         "below 0.00001 \u00B0C"},
        {"frmAreaConversions", "txtInputArea", "optMillimetres", "0", "lblKilometres",
         "0.0000000000", ""},
    };
    for (const Case& c : cases) {
        QWidget* window = open(c.window);
        click(window, c.option);
        type(window, c.box, c.input);
        click(window, "cmdConvert");
        EXPECT_EQ(text(window, c.zeroLabel), c.shown) << c.window << " " << c.input;
        EXPECT_EQ(text(window, "lblNote"), c.note) << c.window << " " << c.input;
    }
    QWidget* area = open("frmAreaConversions");
    type(area, "txtInputArea", "1");
    click(area, "cmdConvert");
    click(area, "cmdReset");
    EXPECT_EQ(text(area, "lblNote"), "");
}

TEST_F(ConversionWindowTexts, GermanSettingsShowCommaDecimalsAndDotGrouping) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QWidget* window = open("frmAirPressureConversions");
    type(window, "txtInAirPres", "1013,25");
    click(window, "cmdConvert");
    EXPECT_EQ(
        texts(window, {"lblPascals", "lblHectopascals", "lblMillibars", "lblmmOfHg", "lblinOfHg"}),
        (std::vector<QString>{"101.325,00000", "1.013,25000", "1.013,25000", "760,00210",
                              "29,92134"}));
    window = open("frmVolumeConversions");
    find<QRadioButton>(window, "optKilometres")->setChecked(true);
    type(window, "txtInputVolume", "1");
    click(window, "cmdConvert");
    EXPECT_EQ(text(window, "lblInches"), "61.023.744.094.732,3000000000");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

}  // namespace
}  // namespace nimbaro::test
