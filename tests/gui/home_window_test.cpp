#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>

#include "home_window.h"
#include "window_fixture.h"

namespace nimbaro::test {
namespace {

class HomeWindowTest : public WindowFixture {};

struct Launch {
    int page;
    const char* name;
    const char* caption;
    const char* tooltip;
};

TEST_F(HomeWindowTest, HasItsPagesButtonsAndMenus) {
    QWidget* home = open("frmHome");
    EXPECT_EQ(home->windowTitle(), "Nimbaro");
    auto* tabs = find<QTabWidget>(home, "tabMain");
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "&Weather Conversions");
    EXPECT_EQ(tabs->tabText(1), "Weather Calculations");
    EXPECT_EQ(tabs->tabText(2), "Other");
    EXPECT_EQ(tabs->tabText(3), "Station Calculations");
    EXPECT_EQ(tabs->widget(3)->objectName(), "tabStationCalculations");
    EXPECT_EQ(tabs->currentIndex(), 0);

    const std::vector<Launch> launches = {
        {0, "cmdTemperatureConversions", "&Temperature", "Temperature Conversions"},
        {0, "cmdRainfallConversions", "&Rainfall", "Rainfall Conversions"},
        {0, "cmdAirPressure", "&Air Pressure", "Air Pressure Conversions"},
        {0, "cmdWindSpeedConversions", "&Wind Speed", "Wind Speed Conversions"},
        {0, "cmdWindDirectionConversions", "Wind &Direction", "Wind Direction Conversions"},
        {1, "cmdWindChillCalcs", "Wind &Chill", ""},
        {1, "cmdCloudHeightCalcs", "Cloud &Height", ""},
        {1, "cmdLightningDistanceCalcs", "Li&ghtning Distance", ""},
        {1, "cmdHeatIndexCalcs", "Heat &Index", ""},
        {1, "cmdDewPointCalcs", "Dew &Point", ""},
        {1, "cmdWetBulbCalcs", "Wet &Bulb", ""},
        {1, "cmdHumidityCalcs", "H&umidity", ""},
        {2, "cmdLengthConversions", "&Length", "Length Conversions"},
        {2, "cmdAreaConversions", "Ar&ea", ""},
        {2, "cmdVolumeConversions", "&Volume", ""},
        {2, "cmdTimeConversions", "Ti&me", "Time Conversions"},
        {2, "cmdMassConversions", "Mas&s", ""},
        {3, "cmdPressureAltitudeCalcs", "&Pressure and Altitude", ""},
        {3, "cmdVapourPressureCalcs", "&Vapour Pressure", ""},
        {3, "cmdMoistureContentCalcs", "&Moisture Content", ""},
        {3, "cmdComfortCalcs", "&Comfort", ""},
        {3, "cmdAirDensityCalcs", "Air &Density", ""},
        {3, "cmdBeaufortCalcs", "&Beaufort Force", ""},
    };
    QWidget* previous = nullptr;
    for (const Launch& launch : launches) {
        auto* button = find<QPushButton>(home, launch.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), launch.caption);
        EXPECT_EQ(button->toolTip(), launch.tooltip);
        EXPECT_EQ(button->parentWidget(), tabs->widget(launch.page)) << launch.name;
        if (previous != nullptr && previous->parentWidget() == button->parentWidget()) {
            EXPECT_EQ(previous->nextInFocusChain(), button) << launch.name;
        }
        previous = button;
    }
    EXPECT_EQ(find<QPushButton>(home, "cmdExit")->text(), "E&xit");
    EXPECT_EQ(find<QLabel>(home, "Label1")->text(), "Version 3.01");

    auto* exit = find<QAction>(home, "mnuExit");
    EXPECT_EQ(exit->text(), "Exit");
    EXPECT_EQ(exit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    QStringList helpItems;
    for (QAction* action : find<QMenu>(home, "mnuHelp")->actions()) {
        helpItems << action->objectName() + "=" + action->text();
    }
    EXPECT_EQ(helpItems, QStringList({"mnuReadMe=Read Me", "mnuHowTo=How To", "mnuLicence=Licence",
                                      "mnuAcknowledgements=Acknowledgements", "mnuAbout=About"}));
}

// The bold label is fitted to its text as the window is first shown, not as it is made.
TEST_F(HomeWindowTest, TheBoldLabelFitsItsTextOnceShown) {
    HomeWindow home(*registry_);
    auto* label = find<QLabel>(&home, "Label4");
    label->setText(QStringLiteral("Nimbaro team, on a line longer than its room\n2026"));
    home.show();
    EXPECT_GE(label->width(), label->sizeHint().width());
    EXPECT_GE(label->height(), label->sizeHint().height());
}

TEST_F(HomeWindowTest, LaunchingTwiceKeepsOneWindowWithItsContents) {
    QWidget* first = launch("cmdTemperatureConversions", "frmTemperature");
    type(first, "txtInTemp", "100");
    click(first, "cmdConvert");
    QWidget* second = launch("cmdTemperatureConversions", "frmTemperature");
    EXPECT_EQ(first, second);
    EXPECT_EQ(find<QLineEdit>(second, "txtInTemp")->text(), "100");
    EXPECT_EQ(text(second, "lblFahrenheit"), "212.00000");
    const auto windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                            [](QWidget* w) { return w->objectName() == "frmTemperature"; }),
              1);
}

TEST_F(HomeWindowTest, BackThenLaunchGivesTheLoadState) {
    QWidget* window = launch("cmdTemperatureConversions", "frmTemperature");
    find<QRadioButton>(window, "optKelvin")->setChecked(true);
    type(window, "txtInTemp", "5");
    click(window, "cmdConvert");
    QPointer<QWidget> old = window;
    click(window, "cmdBack");
    settle();
    EXPECT_TRUE(old.isNull());
    EXPECT_TRUE(registry_->find("frmHome")->isVisible());

    window = launch("cmdTemperatureConversions", "frmTemperature");
    EXPECT_TRUE(find<QRadioButton>(window, "optCelsius")->isChecked());
    EXPECT_TRUE(find<QLineEdit>(window, "txtInTemp")->text().isEmpty());
    EXPECT_TRUE(text(window, "lblKelvin").isEmpty());
}

TEST_F(HomeWindowTest, ClosingTheMenuLeavesOtherWindowsAndBackBringsItAgain) {
    QWidget* window = launch("cmdTemperatureConversions", "frmTemperature");
    QPointer<QWidget> home = registry_->find("frmHome");
    home->close();
    settle();
    EXPECT_TRUE(home.isNull());
    EXPECT_TRUE(window->isVisible());
    click(window, "cmdBack");
    settle();
    QWidget* freshHome = registry_->find("frmHome");
    ASSERT_NE(freshHome, nullptr);
    EXPECT_TRUE(freshHome->isVisible());
    EXPECT_EQ(find<QTabWidget>(freshHome, "tabMain")->currentIndex(), 0);
}

TEST_F(HomeWindowTest, AWindowWithoutAFactoryIsNotOpened) {
    EXPECT_EQ(registry_->open("frmNoSuchWindow"), nullptr);
}

// Each Exit command ends the running event loop at once.
TEST_F(HomeWindowTest, EveryExitCommandEndsTheProgram) {
    const std::vector<std::function<void()>> exits = {
        [this] { click(open("frmHome"), "cmdExit"); },
        [this] { find<QAction>(open("frmHome"), "mnuExit")->trigger(); },
        [this] { click(open("frmTemperature"), "cmdExit"); },
        [this] { click(open("frmAbout"), "cmdExit"); },
    };
    for (const auto& exit : exits) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            exit();
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(5000);
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_TRUE(ran);
    }
}

}  // namespace
}  // namespace nimbaro::test
