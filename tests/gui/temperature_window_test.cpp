#include <QGroupBox>
#include <QLocale>

#include "message_catcher.h"
#include "window_fixture.h"

namespace nimbaro::test {
namespace {

const std::vector<const char*> kOutputs = {"lblCelsius", "lblFahrenheit", "lblKelvin"};

class TemperatureWindowTest : public WindowFixture {
  protected:
    void SetUp() override { window_ = launch("cmdTemperatureConversions", "frmTemperature"); }

    std::vector<QString> convert(const char* unit, const QString& input) {
        find<QRadioButton>(window_, unit)->setChecked(true);
        type(window_, "txtInTemp", input);
        click(window_, "cmdConvert");
        return texts(window_, kOutputs);
    }

    QWidget* window_ = nullptr;
};

TEST_F(TemperatureWindowTest, OpensWithItsControlsAndCelsiusSelected) {
    EXPECT_EQ(window_->windowTitle(), "Temperature Conversions");
    EXPECT_EQ(find<QGroupBox>(window_, "Frame1")->title(), "Select Data Type Here");
    EXPECT_TRUE(find<QRadioButton>(window_, "optCelsius")->isChecked());
    EXPECT_EQ(find<QRadioButton>(window_, "optFahrenheit")->toolTip(), "Convert from Fahrenheit");
    EXPECT_EQ(find<QPushButton>(window_, "cmdOutput")->toolTip(), "Clear Answers");
    EXPECT_EQ(find<QLabel>(window_, "Label5")->text(), "Fahrenheit");
    EXPECT_EQ(find<QLineEdit>(window_, "txtInTemp")->pos(), QPoint(24, 176));
    EXPECT_TRUE(find<QLabel>(window_, "lblKelvin")->font().bold());
    EXPECT_EQ(texts(window_, kOutputs), std::vector<QString>(3));

    const std::vector<const char*> tabOrder = {"optCelsius", "optFahrenheit", "optKelvin",
                                               "txtInTemp",  "cmdConvert",    "cmdReset",
                                               "cmdOutput",  "cmdBack",       "cmdExit"};
    EXPECT_EQ(focusChain(window_, tabOrder), tabOrder);
}

struct Example {
    const char* unit;
    const char* input;
    std::vector<QString> shown;
};

class TemperatureExamples : public TemperatureWindowTest,
                            public testing::WithParamInterface<Example> {};

TEST_P(TemperatureExamples, ConvertShowsEveryScale) {
    EXPECT_EQ(convert(GetParam().unit, GetParam().input), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Window, TemperatureExamples,
    testing::Values(Example{"optCelsius", "100", {"100.00000", "212.00000", "373.15000"}},
                    Example{"optFahrenheit", "32", {"0.00000", "32.00000", "273.15000"}},
                    Example{"optKelvin", "0", {"-273.15000", "-459.67000", "0.00000"}},
                    Example{"optCelsius", "-40", {"-40.00000", "-40.00000", "233.15000"}},
                    Example{"optCelsius", "1e3", {"1,000.00000", "1,832.00000", "1,273.15000"}},
                    Example{"optKelvin", "-5", {"-278.15000", "-468.67000", "-5.00000"}},
                    Example{"optCelsius", "  12  ", {"12.00000", "53.60000", "285.15000"}}));

TEST_F(TemperatureWindowTest, ABadEntryGivesTheMessageAndKeepsTheOutputs) {
    convert("optCelsius", "100");
    for (const char* bad : {"", "   ", "abc", "1,5", "1e400", "12 C"}) {
        MessageCatcher messages;
        EXPECT_EQ(convert("optCelsius", bad),
                  (std::vector<QString>{"100.00000", "212.00000", "373.15000"}))
            << bad;
        ASSERT_EQ(messages.messages().size(), 1u) << bad;
        const ShownMessage& message = messages.messages().front();
        EXPECT_EQ(message.title, "Numerical Value Needed");
        EXPECT_EQ(message.text, "Please insert a number into the white box");
        EXPECT_EQ(message.icon, QMessageBox::NoIcon);
        EXPECT_EQ(message.buttons, QMessageBox::Ok);
        auto* box = find<QLineEdit>(window_, "txtInTemp");
        EXPECT_EQ(window_->focusWidget(), box);
        EXPECT_EQ(box->selectedText(), box->text());
    }
}

TEST_F(TemperatureWindowTest, TypingAfterARefusalReplacesTheEntry) {
    MessageCatcher messages;
    convert("optCelsius", "abc");
    auto* box = find<QLineEdit>(window_, "txtInTemp");
    QTest::keyClicks(box, "7");
    EXPECT_EQ(box->text(), "7");
}

TEST_F(TemperatureWindowTest, AResultOutsideTheDoubleRangeWritesNothing) {
    convert("optCelsius", "100");
    MessageCatcher messages;
    EXPECT_EQ(convert("optCelsius", "1.7e308"),
              (std::vector<QString>{"100.00000", "212.00000", "373.15000"}));
    EXPECT_EQ(messages.summaries(),
              std::vector<QString>{"Unable to Calculate: Invalid Numbers Used"});
}

TEST_F(TemperatureWindowTest, EnterInTheBoxConverts) {
    type(window_, "txtInTemp", "100");
    QTest::keyClick(find<QLineEdit>(window_, "txtInTemp"), Qt::Key_Return);
    EXPECT_EQ(text(window_, "lblKelvin"), "373.15000");
}

TEST_F(TemperatureWindowTest, ResetOutputAndLabelClicksClear) {
    convert("optFahrenheit", "32");
    QTest::mouseClick(find<QLabel>(window_, "lblFahrenheit"), Qt::LeftButton);
    EXPECT_EQ(texts(window_, kOutputs), (std::vector<QString>{"0.00000", "", "273.15000"}));
    click(window_, "cmdConvert");
    EXPECT_EQ(text(window_, "lblFahrenheit"), "32.00000");

    click(window_, "cmdOutput");
    EXPECT_EQ(texts(window_, kOutputs), std::vector<QString>(3));
    EXPECT_EQ(find<QLineEdit>(window_, "txtInTemp")->text(), "32");
    click(window_, "cmdConvert");
    EXPECT_EQ(text(window_, "lblCelsius"), "0.00000");

    click(window_, "cmdReset");
    EXPECT_EQ(texts(window_, kOutputs), std::vector<QString>(3));
    EXPECT_TRUE(find<QLineEdit>(window_, "txtInTemp")->text().isEmpty());
    EXPECT_TRUE(find<QRadioButton>(window_, "optFahrenheit")->isChecked());
}

TEST_F(TemperatureWindowTest, AClickIntoTheBoxSelectsTheWholeEntry) {
    auto* box = find<QLineEdit>(window_, "txtInTemp");
    box->setText("123.5");
    find<QPushButton>(window_, "cmdReset")->setFocus();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    EXPECT_EQ(box->selectedText(), "123.5");
}

TEST_F(TemperatureWindowTest, FollowsGermanNumberSettings) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(convert("optCelsius", "100"),
              (std::vector<QString>{"100,00000", "212,00000", "373,15000"}));
    EXPECT_EQ(convert("optCelsius", "1e3"),
              (std::vector<QString>{"1.000,00000", "1.832,00000", "1.273,15000"}));
    EXPECT_EQ(convert("optCelsius", "1,5"),
              (std::vector<QString>{"1,50000", "34,70000", "274,65000"}));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

}  // namespace
}  // namespace nimbaro::test
