#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "help_documents.h"
#include "home_window.h"
#include "message_catcher.h"
#include "window_fixture.h"

namespace nimbaro {

// Shows a launch as its program and its bracketed arguments in failure messages.
void PrintTo(const LaunchCommand& command, std::ostream* out) {
    *out << command.program.toStdString() << " [" << command.arguments.join("] [").toStdString()
         << "]";
}

namespace test {
namespace {

const QStringList kDocuments = {"Readme.txt", "How To.txt", "Licence.txt", "Acknowledgements.txt"};

// The main menu of a program installed in a folder with blanks, whose viewer launches are
// recorded instead of started.
class HelpDocumentsTest : public WindowFixture {
  protected:
    HelpDocumentsTest() : folder_(temporary_.filePath("program folder with blanks")) {
        QDir().mkpath(folder_);
        for (const QString& document : kDocuments) {
            QFile file(QDir(folder_).filePath(document));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << document.toStdString();
        }
        registry_->add("frmHome", [this](WindowRegistry& owner) {
            return new HomeWindow(owner, HelpDocuments(folder_, [this](const QString& program,
                                                                       const QStringList& args) {
                                      launches_.push_back({program, args});
                                      return viewerStarts_;
                                  }));
        });
    }

    void choose(const char* item) { find<QAction>(open("frmHome"), item)->trigger(); }

    LaunchCommand viewerOf(const QString& document) const {
        return {"xdg-open", {folder_ + "/" + document}};
    }

    QTemporaryDir temporary_;
    QString folder_;
    std::vector<LaunchCommand> launches_;
    bool viewerStarts_ = true;
};

TEST_F(HelpDocumentsTest, EachHelpItemStartsTheViewerOnItsDocument) {
    const std::vector<std::pair<const char*, QString>> items = {
        {"mnuReadMe", "Readme.txt"},
        {"mnuHowTo", "How To.txt"},
        {"mnuLicence", "Licence.txt"},
        {"mnuAcknowledgements", "Acknowledgements.txt"},
    };
    MessageCatcher messages;
    for (const auto& [item, document] : items) {
        choose(item);
        ASSERT_FALSE(launches_.empty()) << item;
        EXPECT_EQ(launches_.back(), viewerOf(document)) << item;
    }
    EXPECT_EQ(launches_.size(), items.size());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(HelpDocumentsTest, ChoosingADocumentTwiceStartsTwoViewers) {
    choose("mnuHowTo");
    choose("mnuHowTo");
    EXPECT_EQ(launches_, std::vector<LaunchCommand>(2, viewerOf("How To.txt")));
}

TEST_F(HelpDocumentsTest, AViewerThatCannotStartIsReportedAndTheProgramGoesOn) {
    viewerStarts_ = false;
    MessageCatcher messages;
    choose("mnuHowTo");
    ASSERT_EQ(messages.messages().size(), 1U);
    const ShownMessage& message = messages.messages().front();
    EXPECT_EQ(message.title, "Document Not Opened");
    EXPECT_EQ(message.text, "Unable to open the document \"How To.txt\" in " + folder_ + ".");
    EXPECT_EQ(message.icon, QMessageBox::NoIcon);
    EXPECT_EQ(message.buttons, QMessageBox::Ok);

    viewerStarts_ = true;
    QWidget* home = registry_->find("frmHome");
    ASSERT_NE(home, nullptr);
    EXPECT_TRUE(home->isVisible());
    choose("mnuReadMe");
    EXPECT_EQ(launches_.back(), viewerOf("Readme.txt"));
}

TEST_F(HelpDocumentsTest, AMissingDocumentIsReportedWithoutStartingAViewer) {
    QFile::remove(QDir(folder_).filePath("Licence.txt"));
    MessageCatcher messages;
    choose("mnuLicence");
    EXPECT_TRUE(launches_.empty());
    EXPECT_EQ(messages.summaries(),
              std::vector<QString>{"Document Not Opened: Unable to open the document "
                                   "\"Licence.txt\" in " +
                                   folder_ + "."});
}

TEST(ViewerCommand, PassesThePathAsOneArgumentWhateverItsBlanks) {
    struct Case {
        DocumentViewer viewer;
        QString folder;
        LaunchCommand expected;
    };
    const std::vector<Case> cases = {
        {DocumentViewer::Notepad,
         "C:/Program Files/Nimbaro",
         {"Notepad.exe", {"C:\\Program Files\\Nimbaro\\How To.txt"}}},
        {DocumentViewer::DesktopDefault,
         "/opt/weather tools/nimbaro",
         {"xdg-open", {"/opt/weather tools/nimbaro/How To.txt"}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(viewerCommand(c.viewer, c.folder, "How To.txt"), c.expected);
    }
}

}  // namespace
}  // namespace test
}  // namespace nimbaro
