#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>

#include "document_viewer.h"
#include "help_documents.h"
#include "message_box.h"
#include "message_catcher.h"
#include "window_fixture.h"
#include "window_placement.h"

namespace nimbaro::test {
namespace {

// Every window of a registry whose help documents lie in a folder of their own; a viewer
// started on one is recorded, or, where `viewerStarts_` is false, fails to start.
class DesktopHabits : public WindowFixture {
  protected:
    DesktopHabits() {
        writeDocument(kHowToDocument, "How To\nPress F1 for this document.\n");
        registry_->setHelpDocuments(HelpDocuments(
            temporary_.path(),
            [this](const QString& /*program*/, const QStringList& arguments) {
                viewed_.push_back(QFileInfo(arguments.value(0)).fileName());
                return viewerStarts_;
            },
            showInDocumentViewer));
    }

    void writeDocument(const QString& name, const QByteArray& text) {
        QFile file(QDir(temporary_.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    static void press(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        control->setFocus();
        QTest::keyClick(control, key, modifiers);
        settle();
    }

    static QWidget* openViewer() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "documentViewer" && window->isVisible()) {
                return window;
            }
        }
        return nullptr;
    }

    QTemporaryDir temporary_;
    std::vector<QString> viewed_;
    bool viewerStarts_ = true;
};

TEST_F(DesktopHabits, EnterAndTheKeypadsEnterClickTheFocusedButton) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    for (const Case& enter : {Case{Qt::Key_Return, {}}, Case{Qt::Key_Enter, Qt::KeypadModifier}}) {
        QWidget* home = open("frmHome");
        press(find<QPushButton>(home, "cmdTemperatureConversions"), enter.key, enter.modifiers);
        QWidget* window = registry_->find("frmTemperature");
        ASSERT_NE(window, nullptr);
        type(window, "txtInTemp", "100");
        click(window, "cmdConvert");
        press(find<QPushButton>(window, "cmdReset"), enter.key, enter.modifiers);
        EXPECT_EQ(text(window, "lblKelvin"), "");
        EXPECT_EQ(find<QLineEdit>(window, "txtInTemp")->text(), "");
        press(find<QPushButton>(window, "cmdBack"), enter.key, enter.modifiers);
        EXPECT_EQ(registry_->find("frmTemperature"), nullptr);
    }
}

// F1 anywhere opens How To, and Escape anywhere in a window is its Back; the main menu has no
// Back and stays.
TEST_F(DesktopHabits, F1OpensHowToAndEscapeGoesBackFromAnyControl) {
    const std::vector<std::pair<const char*, const char*>> windows = {
        {"frmTemperature", "txtInTemp"}, {"frmHeatIndex", "optCelsius"}, {"frmAbout", "cmdExit"}};
    for (const auto& [name, control] : windows) {
        QPointer<QWidget> window = open(name);
        press(find<QWidget>(window, control), Qt::Key_F1);
        press(find<QWidget>(window, control), Qt::Key_Escape);
        EXPECT_TRUE(window.isNull()) << name;
        EXPECT_TRUE(registry_->find("frmHome")->isVisible()) << name;
    }
    QWidget* home = open("frmHome");
    press(find<QWidget>(home, "cmdExit"), Qt::Key_F1);
    press(find<QWidget>(home, "cmdExit"), Qt::Key_Escape);
    EXPECT_TRUE(home->isVisible());
    EXPECT_EQ(viewed_, std::vector<QString>(4, kHowToDocument));
}

TEST_F(DesktopHabits, WithoutAViewerTheDocumentShowsInTheProgramsOwnSearchableOne) {
    viewerStarts_ = false;
    writeDocument(kHowToDocument, "First line\nThe needle is here.\nLast line\n");
    press(open("frmTemperature"), Qt::Key_F1);
    QWidget* viewer = openViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), kHowToDocument);
    auto* document = find<QPlainTextEdit>(viewer, "txtDocument");
    EXPECT_TRUE(document->isReadOnly());
    EXPECT_EQ(document->toPlainText(), "First line\nThe needle is here.\nLast line\n");

    auto* search = find<QLineEdit>(viewer, "txtFind");
    auto* notFound = find<QLabel>(viewer, "lblNotFound");
    search->setText("NEEDLE");
    press(search, Qt::Key_Return);
    EXPECT_EQ(document->textCursor().selectedText(), "needle");
    EXPECT_EQ(notFound->text(), "");
    search->setText("haystack");
    press(search, Qt::Key_Return);
    EXPECT_EQ(document->textCursor().selectedText(), "needle");
    EXPECT_EQ(notFound->text(), "Not found");
    press(search, Qt::Key_Escape);
    EXPECT_EQ(openViewer(), nullptr);
}

TEST_F(DesktopHabits, ADocumentThatCannotBeReadIsReported) {
    viewerStarts_ = false;
    QFile::remove(QDir(temporary_.path()).filePath(kHowToDocument));
    QDir(temporary_.path()).mkdir(kHowToDocument);
    MessageCatcher messages;
    press(open("frmHome"), Qt::Key_F1);
    EXPECT_EQ(openViewer(), nullptr);
    EXPECT_EQ(messages.summaries(),
              std::vector<QString>{"Document Not Opened: Unable to open the document \"How "
                                   "To.txt\" in " +
                                   temporary_.path() + "."});
}

// A window too large for the room scrolls: it takes no more than the room, and the control
// that takes the focus comes into view; the focus keeps its order. One that fits is left alone.
TEST_F(DesktopHabits, AWindowLargerThanItsRoomScrollsToTheFocus) {
    QWidget* window = open("frmHeatIndex");
    EXPECT_EQ(window->findChild<QScrollArea*>(), nullptr);
    const std::vector<const char*> controls = {"optAirTempHumidity", "txtAirTemp", "cmdCalculate",
                                               "cmdOutput", "cmdExit"};
    const std::vector<const char*> tabOrder = focusChain(window, controls);

    const QSize room(window->width() / 2, window->height() / 2);
    fitWithin(window, room);
    settle();
    EXPECT_LE(window->width(), room.width());
    EXPECT_LE(window->height(), room.height());
    EXPECT_EQ(focusChain(window, controls), tabOrder);
    for (const char* name : {"cmdOutput", "cmdExit", "txtAirTemp", "optKelvin"}) {
        auto* control = find<QWidget>(window, name);
        control->setFocus();
        EXPECT_EQ(control->visibleRegion().boundingRect(), control->rect()) << name;
    }
}

TEST_F(DesktopHabits, AMinimisedWindowComesBackWhenLaunchedAgain) {
    QWidget* window = launch("cmdTemperatureConversions", "frmTemperature");
    window->setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(launch("cmdTemperatureConversions", "frmTemperature"), window);
    EXPECT_FALSE(window->isMinimized());
}

// A window manager draws the title between an icon and three buttons, in a bold font.
TEST_F(DesktopHabits, AMessageIsWideEnoughForItsTitle) {
    int width = 0;
    QTimer::singleShot(0, [&width] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        width = box->width();
        box->close();
    });
    showMessage(nullptr, "Invalid Numbers Used", "Unable to Calculate");
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    EXPECT_GE(width, metrics.horizontalAdvance("Unable to Calculate") + 4 * metrics.height());
}

}  // namespace
}  // namespace nimbaro::test
