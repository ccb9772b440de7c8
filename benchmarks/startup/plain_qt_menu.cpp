// A floor of the main menu's own shape for the start-up benchmark: a plain Qt Widgets program
// with the main menu's widgets (a menu bar with two menus, three tab pages of launch buttons
// with tooltips, an Exit button and the footer's labels) laid out by Qt's layouts, with no
// window icon, no second face of the font and nothing behind the buttons.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>
#include <vector>

namespace {

struct Page {
    const char* caption;
    std::vector<const char*> buttons;
};

const std::array kPages = {
    Page{"&Weather Conversions",
         {"&Temperature", "&Rainfall", "&Air Pressure", "&Wind Speed", "Wind &Direction"}},
    Page{"Weather Calculations",
         {"Wind &Chill", "Cloud &Height", "Li&ghtning Distance", "Heat &Index", "Dew &Point",
          "Wet &Bulb", "H&umidity"}},
    Page{"Other", {"&Length", "Ar&ea", "&Volume", "Ti&me", "Mas&s"}},
};

QWidget* makePage(const Page& page) {
    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);
    for (std::size_t i = 0; i < page.buttons.size(); ++i) {
        auto* button = new QPushButton(QString::fromUtf8(page.buttons[i]));
        button->setToolTip(button->text().remove(u'&'));
        grid->addWidget(button, static_cast<int>(i % 4), static_cast<int>(i / 4));
    }
    return widget;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Plain Qt menu"));

    QMenu* file = window.menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Exit"), &application, &QApplication::quit);
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("Help"));
    for (const char* item : {"Read Me", "How To", "Licence", "Acknowledgements", "About"}) {
        help->addAction(QString::fromUtf8(item));
    }

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* tabs = new QTabWidget;
    tabs->setUsesScrollButtons(false);
    for (const Page& page : kPages) {
        tabs->addTab(makePage(page), QString::fromUtf8(page.caption));
    }
    layout->addWidget(tabs);
    auto* footer = new QGridLayout;
    footer->addWidget(new QLabel(QStringLiteral("Nimbaro team\n2026")), 0, 0);
    auto* exit = new QPushButton(QStringLiteral("E&xit"));
    exit->setToolTip(QStringLiteral("Close Program"));
    footer->addWidget(exit, 0, 1);
    footer->addWidget(new QLabel(QStringLiteral("https://nimbaro.example.org")), 1, 0);
    footer->addWidget(new QLabel(QStringLiteral("Version 3.01")), 1, 1);
    layout->addLayout(footer);
    window.setCentralWidget(central);

    window.show();
    return QApplication::exec();
}
