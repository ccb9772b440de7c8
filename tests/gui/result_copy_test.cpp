#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>

#include "caption_fit.h"
#include "every_window.h"
#include "message_catcher.h"
#include "output_label.h"
#include "window_fixture.h"

namespace nimbaro::test {
namespace {

const QString kUntouched = QStringLiteral("what the clipboard held before");

class ResultCopyTest : public WindowFixture {
  protected:
    void SetUp() override { QGuiApplication::clipboard()->setText(kUntouched); }
    void TearDown() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    static QString clipboard() { return QGuiApplication::clipboard()->text(); }

    // Right-clicks the label as the mouse does; the menu opens without waiting.
    QMenu* rightClick(QWidget* window, const char* label) {
        auto* output = find<QWidget>(window, label);
        const QPoint middle = output->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, middle, output->mapToGlobal(middle));
        QCoreApplication::sendEvent(output, &event);
        return window->findChild<QMenu*>("mnuResults");
    }

    static QAction* command(QMenu* menu, const char* name) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == QLatin1String(name)) {
                return action;
            }
        }
        return nullptr;
    }

    // Chooses a command from the open menu, as a click on it does.
    static void choose(QMenu* menu, const char* name) {
        ASSERT_NE(menu, nullptr);
        QAction* action = command(menu, name);
        ASSERT_NE(action, nullptr) << name;
        menu->hide();
        action->trigger();
    }

    QWidget* convertTemperature(const QString& celsius) {
        QWidget* window = launch("cmdTemperatureConversions", "frmTemperature");
        type(window, "txtInTemp", celsius);
        click(window, "cmdConvert");
        return window;
    }
};

struct LocaleCase {
    const char* name;
    QLocale locale;
    const char* typed;
    const char* fahrenheit;
    const char* allResults;
};

void PrintTo(const LocaleCase& localeCase, std::ostream* out) {
    *out << localeCase.name;
}

class CopyInLocales : public ResultCopyTest, public testing::WithParamInterface<LocaleCase> {
  protected:
    QWidget* convert() {
        QLocale::setDefault(GetParam().locale);
        return convertTemperature(QString::fromUtf8(GetParam().typed));
    }
};

TEST_P(CopyInLocales, CopyTakesTheValueAsShownWithoutGroupSeparators) {
    QWidget* window = convert();
    ASSERT_EQ(text(window, "lblFahrenheit").remove(QLocale().groupSeparator()),
              QString::fromUtf8(GetParam().fahrenheit));
    QMenu* menu = rightClick(window, "lblFahrenheit");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    choose(menu, "mnuCopy");
    EXPECT_EQ(clipboard(), QString::fromUtf8(GetParam().fahrenheit));
}

TEST_P(CopyInLocales, CopyAllResultsPutsOneLinePerOutputWithItsUnit) {
    QWidget* window = convert();
    choose(rightClick(window, "lblCelsius"), "mnuCopyAllResults");
    EXPECT_EQ(clipboard(), QString::fromUtf8(GetParam().allResults));
}

INSTANTIATE_TEST_SUITE_P(
    Temperature, CopyInLocales,
    testing::Values(
        LocaleCase{"English", QLocale(QLocale::English, QLocale::UnitedStates), "1234.5",
                   "2254.10000",
                   "1234.50000\tCelsius\n2254.10000\tFahrenheit\n1507.65000\tKelvin\n"},
        LocaleCase{"German", QLocale(QLocale::German, QLocale::Germany), "1234,5", "2254,10000",
                   "1234,50000\tCelsius\n2254,10000\tFahrenheit\n1507,65000\tKelvin\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultCopyTest, TheMenuOffersCopyAndCopyAllResults) {
    QMenu* menu = rightClick(convertTemperature("20"), "lblKelvin");
    ASSERT_NE(menu, nullptr);
    std::vector<QString> commands;
    for (const QAction* action : menu->actions()) {
        commands.push_back(shownCaption(action->text()));
    }
    EXPECT_EQ(commands, (std::vector<QString>{"Copy", "Copy All Results"}));
    EXPECT_EQ(menu->actions().back()->shortcut(), QKeySequence("Ctrl+Shift+C"));
    menu->hide();
}

TEST_F(ResultCopyTest, ARightClickLeavesTheLabelAndALeftClickStillClearsIt) {
    QWidget* window = convertTemperature("20");
    rightClick(window, "lblCelsius")->hide();
    EXPECT_EQ(text(window, "lblCelsius"), "20.00000");
    QTest::mouseClick(find<QLabel>(window, "lblCelsius"), Qt::LeftButton);
    EXPECT_EQ(text(window, "lblCelsius"), "");
}

TEST_F(ResultCopyTest, NothingToCopyLeavesTheClipboardAsItWas) {
    QWidget* window = convertTemperature("20");
    click(window, "cmdOutput");
    QMenu* menu = rightClick(window, "lblFahrenheit");
    EXPECT_FALSE(command(menu, "mnuCopy")->isEnabled());
    choose(menu, "mnuCopyAllResults");
    EXPECT_EQ(clipboard(), kUntouched);
}

TEST_F(ResultCopyTest, AClearedLabelIsLeftOutOfAllResults) {
    QWidget* window = convertTemperature("100");
    QTest::mouseClick(find<QLabel>(window, "lblFahrenheit"), Qt::LeftButton);
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboard(), "100.00000\tCelsius\n373.15000\tKelvin\n");
}

// The wind direction window's results are texts; each copies as shown, named by what it holds.
TEST_F(ResultCopyTest, WindDirectionResultsCopyAsShown) {
    QWidget* window = launch("cmdWindDirectionConversions", "frmWindDirection");
    click(window, "optNNE");
    click(window, "cmdConvertRange");
    type(window, "txtInputDegrees", "350");
    click(window, "cmdConvertDirection");
    choose(rightClick(window, "lblDirection"), "mnuCopy");
    EXPECT_EQ(clipboard(), "North");
    choose(rightClick(window, "lblMidPoint"), "mnuCopyAllResults");
    EXPECT_EQ(clipboard(),
              "12\tDegrees from\n33\tDegrees to\n22.5\tMid-point degrees\nN\tCompass point\n"
              "North\tDirection\n");
}

// The unit label beside an output: the fixed label on its row nearest to its right.
QString unitBeside(const OutputLabel* output) {
    const QLabel* nearest = nullptr;
    for (const QLabel* label : output->parentWidget()->findChildren<QLabel*>()) {
        const QRect place = label->geometry();
        const bool onTheRow =
            place.top() < output->geometry().bottom() && place.bottom() > output->geometry().top();
        if (qobject_cast<const OutputLabel*>(label) == nullptr && onTheRow &&
            place.left() > output->geometry().right() &&
            (nearest == nullptr || place.left() < nearest->geometry().left())) {
            nearest = label;
        }
    }
    return nearest != nullptr ? nearest->text() : QString();
}

// Ctrl+Shift+C anywhere in a window, here from its first input box, copies every result with
// the unit its label names.
TEST_F(ResultCopyTest, ControlShiftCCopiesAllResultsInEveryWindowWithUnitLabels) {
    MessageCatcher messages;
    for (QWidget* window : openEveryWindow(*registry_)) {
        const auto outputs = window->findChildren<OutputLabel*>();
        if (outputs.isEmpty() || window->objectName() == QLatin1String("frmWindDirection")) {
            continue;
        }
        computeSample(window);
        QString expected;
        for (const OutputLabel* output : outputs) {
            // A row the chosen method gives no output for is left out.
            if (!output->text().isEmpty()) {
                expected += output->text().remove(',') + '\t' + unitBeside(output) + '\n';
            }
        }
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << window->objectName();
        QLineEdit* box = window->findChildren<QLineEdit*>().front();
        const QString typed = box->text();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(clipboard(), expected) << window->objectName();
        EXPECT_EQ(box->text(), typed) << window->objectName();
    }
}

}  // namespace
}  // namespace nimbaro::test
