#include <QGroupBox>
#include <QLocale>

#include "message_catcher.h"
#include "window_fixture.h"

namespace nimbaro::test {
namespace {

const std::vector<const char*> kRangeLabels = {"lblFrom", "lblMidPoint", "lblTo"};
const std::vector<const char*> kDirectionLabels = {"lblDirectionAcr", "lblDirection"};
const QString kRefusal =
    "Numerical Value Needed: Please insert a whole number into the white box "
    "between 0 and 360";

class WindDirectionWindowTest : public WindowFixture {
  protected:
    void SetUp() override { window_ = launch("cmdWindDirectionConversions", "frmWindDirection"); }

    std::vector<QString> range(const char* point) {
        find<QRadioButton>(window_, point)->setChecked(true);
        click(window_, "cmdConvertRange");
        return texts(window_, kRangeLabels);
    }

    std::vector<QString> direction(const QString& degrees) {
        type(window_, "txtInputDegrees", degrees);
        click(window_, "cmdConvertDirection");
        return texts(window_, kDirectionLabels);
    }

    QString degreesBox() { return find<QLineEdit>(window_, "txtInputDegrees")->text(); }

    QWidget* window_ = nullptr;
};

TEST_F(WindDirectionWindowTest, OpensWithNorthSelectedAndEverythingEmpty) {
    ASSERT_NE(window_, nullptr);
    EXPECT_EQ(window_->windowTitle(), "Wind Direction Conversions");
    EXPECT_EQ(find<QGroupBox>(window_, "Frame1")->title(),
              "Select Wind Direction to Convert from Here");
    EXPECT_EQ(find<QGroupBox>(window_, "Frame1")->toolTip(),
              "Select Wind Direction to Convert From Here");
    EXPECT_EQ(text(window_, "Label6"), "Convert Directions to a Degree Range");
    EXPECT_EQ(text(window_, "Label7"), "Convert Degrees to a Direction");
    EXPECT_EQ(text(window_, "Label1"), "TO");
    EXPECT_EQ(text(window_, "Label8"), "Mid-Point");
    EXPECT_NE(find<QWidget>(window_, "Line1"), nullptr);
    EXPECT_TRUE(find<QRadioButton>(window_, "optN")->isChecked());
    EXPECT_EQ(window_->focusWidget(), find<QRadioButton>(window_, "optN"));
    EXPECT_EQ(find<QRadioButton>(window_, "optWSW")->text(), "W&SW");
    EXPECT_EQ(find<QRadioButton>(window_, "optWSW")->toolTip(), "Convert from West South West");
    EXPECT_EQ(find<QPushButton>(window_, "cmdConvertRange")->text(), "C&onvert Range");
    EXPECT_EQ(find<QPushButton>(window_, "cmdConvertDirection")->text(), "&Convert Direction");
    EXPECT_EQ(find<QPushButton>(window_, "cmdResetDirection")->toolTip(), "Clear All");
    EXPECT_EQ(find<QLabel>(window_, "lblTo")->toolTip(), "Degrees Range TO");
    EXPECT_TRUE(find<QLabel>(window_, "lblDirection")->font().bold());
    EXPECT_EQ(texts(window_, kRangeLabels), std::vector<QString>(3));
    EXPECT_EQ(texts(window_, kDirectionLabels), std::vector<QString>(2));

    const std::vector<const char*> tabOrder = {"optN",
                                               "optNNE",
                                               "optNE",
                                               "optENE",
                                               "optE",
                                               "optESE",
                                               "optSE",
                                               "optSSE",
                                               "optS",
                                               "optSSW",
                                               "optSW",
                                               "optWSW",
                                               "optW",
                                               "optWNW",
                                               "optNW",
                                               "optNNW",
                                               "cmdConvertRange",
                                               "cmdResetRange",
                                               "txtInputDegrees",
                                               "cmdConvertDirection",
                                               "cmdResetDirection",
                                               "cmdBack",
                                               "cmdExit"};
    EXPECT_EQ(focusChain(window_, tabOrder), tabOrder);
}

TEST_F(WindDirectionWindowTest, ControlsStayInsideAndApart) {
    EXPECT_EQ(crowdedControls(window_), std::vector<QString>{});
}

TEST_F(WindDirectionWindowTest, ConvertRangeShowsTheSectorOfThePoint) {
    EXPECT_EQ(range("optN"), (std::vector<QString>{"349", "360 or 0", "11"}));
    EXPECT_EQ(range("optNNE"), (std::vector<QString>{"12", "22.5", "33"}));
    EXPECT_EQ(range("optE"), (std::vector<QString>{"79", "90.0", "101"}));
    EXPECT_EQ(range("optNNW"), (std::vector<QString>{"327", "337.5", "348"}));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(range("optWSW"), (std::vector<QString>{"237", "247,5", "258"}));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

struct Degrees {
    const char* entry;
    const char* box;  // as rewritten
    const char* abbreviation;
    const char* words;
};

TEST_F(WindDirectionWindowTest, ConvertDirectionFindsThePointOfTheWholeDegree) {
    const std::vector<Degrees> cases = {
        {"0", "0", "N", "North"},
        {"11", "11", "N", "North"},
        {"12", "12", "NNE", "North North East"},
        {"33", "33", "NNE", "North North East"},
        {"34", "34", "NE", "North East"},
        {"348", "348", "NNW", "North North West"},
        {"349", "349", "N", "North"},
        {"360", "360", "N", "North"},
        {"360.4", "360", "N", "North"},
        {"22.7", "23", "NNE", "North North East"},
        {"11.5", "12", "NNE", "North North East"},
        {"348.4", "348", "NNW", "North North West"},
        {" -0.4 ", "0", "N", "North"},
        {"1.8e2", "180", "S", "South"},
    };
    for (const Degrees& degrees : cases) {
        EXPECT_EQ(direction(degrees.entry),
                  (std::vector<QString>{degrees.abbreviation, degrees.words}))
            << degrees.entry;
        EXPECT_EQ(degreesBox(), degrees.box) << degrees.entry;
    }
}

TEST_F(WindDirectionWindowTest, ARefusedEntryGivesTheMessageAndKeepsTheDirection) {
    const std::vector<std::pair<const char*, const char*>> refused = {
        {"361", "361"}, {"400.7", "401"}, {"-1", "-1"},        {"-0.5", "-1"},
        {"abc", "abc"}, {"", ""},         {"1,000.4", "1,000"}};
    direction("90");
    for (const auto& [entry, box] : refused) {
        MessageCatcher messages;
        EXPECT_EQ(direction(entry), (std::vector<QString>{"E", "East"})) << entry;
        EXPECT_EQ(messages.summaries(), std::vector<QString>{kRefusal}) << entry;
        EXPECT_EQ(degreesBox(), box);
        auto* input = find<QLineEdit>(window_, "txtInputDegrees");
        EXPECT_EQ(window_->focusWidget(), input) << entry;
        EXPECT_EQ(input->selectedText(), input->text()) << entry;
    }
    // Rounded to whole degrees, the largest double reads back as out of range.
    MessageCatcher messages;
    EXPECT_EQ(direction("1.7976931348623157e308"), (std::vector<QString>{"E", "East"}));
    EXPECT_EQ(messages.summaries(), std::vector<QString>{kRefusal});
}

TEST_F(WindDirectionWindowTest, FollowsGermanNumberSettings) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(direction("22,7"), (std::vector<QString>{"NNE", "North North East"}));
    EXPECT_EQ(degreesBox(), "23");
    MessageCatcher messages;
    direction("1234,5");
    EXPECT_EQ(degreesBox(), "1.235");
    EXPECT_EQ(messages.summaries(), std::vector<QString>{kRefusal});
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

TEST_F(WindDirectionWindowTest, EachOutputButtonClearsOnlyItsSection) {
    range("optSE");
    direction("200");
    click(window_, "cmdResetRange");
    EXPECT_EQ(texts(window_, kRangeLabels), std::vector<QString>(3));
    EXPECT_EQ(texts(window_, kDirectionLabels), (std::vector<QString>{"SSW", "South South West"}));
    EXPECT_EQ(degreesBox(), "200");
    EXPECT_TRUE(find<QRadioButton>(window_, "optSE")->isChecked());

    range("optSE");
    click(window_, "cmdResetDirection");
    EXPECT_EQ(texts(window_, kDirectionLabels), std::vector<QString>(2));
    EXPECT_TRUE(degreesBox().isEmpty());
    EXPECT_EQ(texts(window_, kRangeLabels), (std::vector<QString>{"124", "135.0", "146"}));
}

TEST_F(WindDirectionWindowTest, OutputLabelsDoNotClearOnAClick) {
    range("optS");
    direction("90");
    for (const char* label :
         {"lblFrom", "lblMidPoint", "lblTo", "lblDirectionAcr", "lblDirection"}) {
        QTest::mouseClick(find<QLabel>(window_, label), Qt::LeftButton);
    }
    EXPECT_EQ(texts(window_, kRangeLabels), (std::vector<QString>{"169", "180.0", "191"}));
    EXPECT_EQ(texts(window_, kDirectionLabels), (std::vector<QString>{"E", "East"}));
}

TEST_F(WindDirectionWindowTest, EnterInTheBoxConvertsTheDirection) {
    type(window_, "txtInputDegrees", "270");
    QTest::keyClick(find<QLineEdit>(window_, "txtInputDegrees"), Qt::Key_Return);
    EXPECT_EQ(texts(window_, kDirectionLabels), (std::vector<QString>{"W", "West"}));
    EXPECT_EQ(texts(window_, kRangeLabels), std::vector<QString>(3));
}

}  // namespace
}  // namespace nimbaro::test
