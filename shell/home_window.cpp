#include "home_window.h"

#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <array>
#include <utility>

#include "about_window.h"
#include "fit_to_contents.h"
#include "locale_bridge.h"
#include "twip_geometry.h"
#include "window_names.h"
#include "window_placement.h"
#include "window_registry.h"

namespace nimbaro {
namespace {

struct LaunchButton {
    int page;
    const char* name;
    const char* caption;
    const char* tooltip;
    TwipPoint position;  // relative to the tab control, tab strip included
    std::string_view window;
    int width = 1215;
};

// In tab order within each page.
constexpr std::array kLaunchButtons = {
    LaunchButton{0,
                 "cmdTemperatureConversions",
                 "&Temperature",
                 "Temperature Conversions",
                 {840, 960},
                 window_names::kTemperature},
    LaunchButton{0,
                 "cmdRainfallConversions",
                 "&Rainfall",
                 "Rainfall Conversions",
                 {840, 1560},
                 window_names::kRainfall},
    LaunchButton{0,
                 "cmdAirPressure",
                 "&Air Pressure",
                 "Air Pressure Conversions",
                 {840, 2160},
                 window_names::kAirPressure},
    LaunchButton{0,
                 "cmdWindSpeedConversions",
                 "&Wind Speed",
                 "Wind Speed Conversions",
                 {2760, 1200},
                 window_names::kWindSpeed},
    LaunchButton{0,
                 "cmdWindDirectionConversions",
                 "Wind &Direction",
                 "Wind Direction Conversions",
                 {2760, 1800},
                 window_names::kWindDirection},
    LaunchButton{1, "cmdWindChillCalcs", "Wind &Chill", "", {840, 840}, window_names::kWindChill},
    LaunchButton{
        1, "cmdCloudHeightCalcs", "Cloud &Height", "", {840, 1440}, window_names::kCloudHeight},
    LaunchButton{1,
                 "cmdLightningDistanceCalcs",
                 "Li&ghtning Distance",
                 "",
                 {2760, 2280},
                 window_names::kLightningDistance,
                 1455},
    LaunchButton{1, "cmdHeatIndexCalcs", "Heat &Index", "", {840, 2640}, window_names::kHeatIndex},
    LaunchButton{1, "cmdDewPointCalcs", "Dew &Point", "", {840, 2040}, window_names::kDewPoint},
    LaunchButton{1, "cmdWetBulbCalcs", "Wet &Bulb", "", {2760, 1680}, window_names::kWetBulb},
    LaunchButton{1, "cmdHumidityCalcs", "H&umidity", "", {2760, 1080}, window_names::kHumidity},
    LaunchButton{2,
                 "cmdLengthConversions",
                 "&Length",
                 "Length Conversions",
                 {840, 960},
                 window_names::kLength},
    LaunchButton{2, "cmdAreaConversions", "Ar&ea", "", {840, 1560}, window_names::kArea},
    LaunchButton{2, "cmdVolumeConversions", "&Volume", "", {840, 2160}, window_names::kVolume},
    LaunchButton{
        2, "cmdTimeConversions", "Ti&me", "Time Conversions", {2760, 1200}, window_names::kTime},
    LaunchButton{2, "cmdMassConversions", "Mas&s", "", {2760, 1800}, window_names::kMass},
    LaunchButton{3,
                 "cmdPressureAltitudeCalcs",
                 "&Pressure and Altitude",
                 "",
                 {840, 840},
                 window_names::kPressureAltitude,
                 1455},
    LaunchButton{3,
                 "cmdVapourPressureCalcs",
                 "&Vapour Pressure",
                 "",
                 {2760, 1080},
                 window_names::kVapourPressure,
                 1455},
    LaunchButton{3,
                 "cmdMoistureContentCalcs",
                 "&Moisture Content",
                 "",
                 {840, 1440},
                 window_names::kMoistureContent,
                 1455},
    LaunchButton{3, "cmdComfortCalcs", "&Comfort", "", {2760, 1680}, window_names::kComfort, 1455},
    LaunchButton{
        3, "cmdAirDensityCalcs", "Air &Density", "", {840, 2040}, window_names::kAirDensity, 1455},
    LaunchButton{
        3, "cmdBeaufortCalcs", "&Beaufort Force", "", {2760, 2280}, window_names::kBeaufort, 1455},
};

struct Page {
    const char* name;
    const char* caption;
};

constexpr std::array kPages = {
    Page{"tabWeatherConversions", "&Weather Conversions"},
    Page{"tabWeatherCalculations", "Weather Calculations"},
    Page{"tabOther", "Other"},
    Page{"tabStationCalculations", "Station Calculations"},
};

struct HelpItem {
    const char* name;
    const char* caption;
    const char* document;
};

constexpr std::array kHelpItems = {
    HelpItem{"mnuReadMe", "Read Me", "Readme.txt"},
    HelpItem{"mnuHowTo", "How To", kHowToDocument},
    HelpItem{"mnuLicence", "Licence", "Licence.txt"},
    HelpItem{"mnuAcknowledgements", "Acknowledgements", "Acknowledgements.txt"},
};

constexpr TwipSize kClientSize{5700, 4680};
constexpr TwipRect kTabControl{480, 240, 4815, 3315};
constexpr TwipSize kButtonSize{1215, 375};
// The rule under the menu bar and the footer keep this far from the window's sides.
constexpr int kSideMargin = 120;
constexpr TwipRect kTeamLabel{600, 3720, 1575, 495};
constexpr TwipRect kAddressLabel{kSideMargin, 4320, 3735, 255};
constexpr TwipRect kVersionLabel{4680, 4320, 975, 255};

// A fixed label, its text in the top left corner.
QLabel* addLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

HomeWindow::HomeWindow(WindowRegistry& registry, HelpDocuments documents)
    : registry_(registry), documents_(std::move(documents)) {
    setObjectName(WindowRegistry::kHomeWindow);
    setWindowTitle(QStringLiteral("Nimbaro"));
    client_ = new QWidget(this);
    client_->setObjectName("clientArea");
    client_->setMinimumSize(toPixels(kClientSize));
    client_->resize(toPixels(kClientSize));
    setCentralWidget(client_);
    buildMenus();
    buildPages();
    buildFooter();
    fitToChildren();
}

void HomeWindow::setVisible(bool visible) {
    QMainWindow::setVisible(visible);
    if (visible && unfittedTeamLabel_ != nullptr) {
        const QSize before = size();
        placeGrownToFit(std::exchange(unfittedTeamLabel_, nullptr), kTeamLabel);
        fitToChildren();
        // Its frame, and so the room it has on the screen, may be known only now.
        if (size() != before) {
            centreOnScreen(this);
        }
    }
}

void HomeWindow::fitToChildren() {
    growToFitChildren(client_);
    fitWithin(this, roomOnScreen(this));
}

void HomeWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName("mnuFile");
    QAction* exit = file->addAction(QStringLiteral("Exit"), &WindowRegistry::exitProgram);
    exit->setObjectName("mnuExit");
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName("mnuHelp");
    for (const HelpItem& item : kHelpItems) {
        const QString document = item.document;
        help->addAction(item.caption, [this, document] { documents_.open(this, document); })
            ->setObjectName(item.name);
    }
    help->addAction(QStringLiteral("About"), [this] { registry_.open(AboutWindow::kWindowName); })
        ->setObjectName("mnuAbout");
}

void HomeWindow::buildPages() {
    auto* tabs = new QTabWidget(client_);
    tabs->setObjectName("tabMain");
    tabs->setAccessibleName(QStringLiteral("Calculators"));
    tabs->setGeometry(toPixels(kTabControl));

    std::array<QWidget*, kPages.size()> pages{};
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        pages[i] = new QWidget;
        pages[i]->setObjectName(kPages[i].name);
        tabs->addTab(pages[i], kPages[i].caption);
    }
    // The button positions count from the tab control's top edge; the page starts below
    // its tab strip.
    const int stripHeight = tabs->tabBar()->sizeHint().height();
    const int stripTwips = pixelsToTwips(stripHeight);

    for (const LaunchButton& launch : kLaunchButtons) {
        auto* button =
            new QPushButton(launch.caption, pages[static_cast<std::size_t>(launch.page)]);
        button->setObjectName(launch.name);
        button->setToolTip(launch.tooltip);
        placeGrownToFit(button, {launch.position.left, launch.position.top - stripTwips,
                                 launch.width, kButtonSize.height});
        const QString window = fromUtf8(launch.window);
        connect(button, &QPushButton::clicked, this, [this, window] { registry_.open(window); });
    }
    tabs->setCurrentIndex(0);
    // All four page captions stay in view, however wide the font draws them, and the window
    // keeps its margin to the right of them.
    tabs->resize(std::max(tabs->width(), tabs->tabBar()->sizeHint().width() + stripHeight),
                 tabs->height());
    const int clientWidth = tabs->geometry().right() + twipsToPixels(kFitMarginTwips);
    if (clientWidth > client_->width()) {
        client_->setMinimumWidth(clientWidth);
        client_->resize(clientWidth, client_->height());
    }
}

void HomeWindow::buildFooter() {
    auto* rule = new QFrame(client_);
    rule->setObjectName("Line1");
    const int sideMargin = twipsToPixels(kSideMargin);
    rule->setGeometry(sideMargin, 0, client_->width() - 2 * sideMargin, 3);
    rule->setAutoFillBackground(true);
    rule->setBackgroundRole(QPalette::Mid);

    auto* exit = new QPushButton(QStringLiteral("E&xit"), client_);
    exit->setObjectName("cmdExit");
    exit->setToolTip(QStringLiteral("Close Program"));
    exit->setGeometry(toPixels(TwipRect{3240, 3720, 1215, 375}));
    connect(exit, &QPushButton::clicked, this, &WindowRegistry::exitProgram);

    // Measuring this label loads the bold face, which nothing needs before the window is on
    // screen: the label is fitted to its text then, before it is first drawn (setVisible).
    unfittedTeamLabel_ = addLabel(client_, "Label4", QStringLiteral("Nimbaro team\n2026"));
    QFont bold = unfittedTeamLabel_->font();
    bold.setBold(true);
    unfittedTeamLabel_->setFont(bold);
    unfittedTeamLabel_->setGeometry(toPixels(kTeamLabel));
    placeGrownToFit(addLabel(client_, "Label2", QStringLiteral("https://nimbaro.example.org")),
                    kAddressLabel);
    // The version stands in the bottom right corner, however wide the font draws it.
    QLabel* version = addLabel(client_, "Label1", QStringLiteral("Version " NIMBARO_VERSION));
    placeGrownToFit(version, kVersionLabel);
    version->move(client_->width() - sideMargin - version->width(), version->y());
}

}  // namespace nimbaro
