#include <QAction>
#include <QApplication>
#include <QPointer>

#include "window_fixture.h"

namespace nimbaro::test {
namespace {

class AboutWindowTest : public WindowFixture {
  protected:
    QWidget* openAbout() {
        find<QAction>(open("frmHome"), "mnuAbout")->trigger();
        QWidget* about = registry_->find("frmAbout");
        EXPECT_NE(about, nullptr);
        if (about != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(about));
        }
        return about;
    }
};

TEST_F(AboutWindowTest, AboutOpensOneWindowWhateverTheNumberOfClicks) {
    QWidget* first = openAbout();
    QWidget* second = openAbout();
    EXPECT_EQ(first, second);
    const auto windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                            [](QWidget* w) { return w->objectName() == "frmAbout"; }),
              1);
    EXPECT_EQ(first->windowTitle(), "About Nimbaro");
    EXPECT_GE(first->width(), 6600 / 15);
    EXPECT_GE(first->height(), 3570 / 15);
}

TEST_F(AboutWindowTest, LinesShowTheirTextsInTheirFontsUnclipped) {
    struct Line {
        const char* name;
        QString text;
        QString family;
        qreal pointSize;
        QPoint position;
    };
    const std::vector<Line> lines = {
        {"Label1", "NIMBARO", "Comic Sans MS", 20.25, {72, 8}},
        {"Label5", "Version:           3.01        (May 2007)", "Times New Roman", 11.25, {16, 80}},
        {"Label6", "Released:        May 2007", "Times New Roman", 11.25, {16, 104}},
        {"Label2", "Author:            Nimbaro team", "Times New Roman", 11.25, {16, 128}},
        {"Label3", "Email:               Via Website", "Times New Roman", 11.25, {16, 152}},
        {"Label4",
         "Host Website:  https://nimbaro.example.org",
         "Times New Roman",
         11.25,
         {16, 176}},
    };
    QWidget* about = openAbout();
    for (const Line& line : lines) {
        auto* label = find<QLabel>(about, line.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), line.text) << line.name;
        EXPECT_EQ(label->font().family(), line.family) << line.name;
        EXPECT_EQ(label->font().pointSizeF(), line.pointSize) << line.name;
        EXPECT_TRUE(label->font().bold()) << line.name;
        EXPECT_EQ(label->pos(), line.position) << line.name;
        EXPECT_GE(label->width(), label->sizeHint().width()) << line.name;
        EXPECT_GE(label->height(), label->sizeHint().height()) << line.name;
        EXPECT_TRUE(about->rect().contains(label->geometry())) << line.name;
    }
    EXPECT_GE(find<QLabel>(about, "Label4")->width(), 6255 / 15);
}

TEST_F(AboutWindowTest, ShowsTheProgramIconAndBackAndExitWithoutTooltips) {
    QWidget* about = openAbout();
    auto* image = find<QLabel>(about, "Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(8, 8, 32, 32));
    EXPECT_FALSE(image->pixmap().isNull());

    const std::vector<std::pair<const char*, QString>> buttons = {{"cmdBack", "&Back"},
                                                                  {"cmdExit", "E&xit"}};
    for (const auto& [name, caption] : buttons) {
        auto* button = find<QPushButton>(about, name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), caption);
        EXPECT_TRUE(button->toolTip().isEmpty()) << name;
    }
}

TEST_F(AboutWindowTest, EveryWindowCarriesTheProgramIcon) {
    const QIcon icon = QApplication::windowIcon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
    for (QWidget* window : {open("frmHome"), open("frmTemperature"), openAbout()}) {
        EXPECT_EQ(window->windowIcon().cacheKey(), icon.cacheKey())
            << window->objectName().toStdString();
    }
}

TEST_F(AboutWindowTest, BackClosesAboutAndBringsTheMainMenuToTheFront) {
    QPointer<QWidget> about = openAbout();
    QWidget* home = registry_->find("frmHome");
    click(about, "cmdBack");
    settle();
    EXPECT_TRUE(about.isNull());
    EXPECT_EQ(registry_->find("frmAbout"), nullptr);
    ASSERT_NE(home, nullptr);
    EXPECT_TRUE(home->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(home));
    EXPECT_EQ(QApplication::activeWindow(), home);

    EXPECT_NE(openAbout(), nullptr);
}

}  // namespace
}  // namespace nimbaro::test
