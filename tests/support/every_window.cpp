#include "every_window.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "window_registry.h"

namespace nimbaro::test {
namespace {

const QStringList kSampleInputs = {"20", "10", "1013.25", "15"};

}  // namespace

std::vector<QWidget*> openEveryWindow(WindowRegistry& registry) {
    QWidget* home = registry.open(WindowRegistry::kHomeWindow);
    std::vector<QWidget*> windows{home};
    for (QPushButton* launch :
         home->findChild<QTabWidget*>("tabMain")->findChildren<QPushButton*>()) {
        const auto before = QApplication::topLevelWidgets();
        launch->click();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!before.contains(window) && window->isVisible()) {
                windows.push_back(window);
            }
        }
    }
    home->findChild<QAction*>("mnuAbout")->trigger();
    windows.push_back(registry.find("frmAbout"));
    return windows;
}

void computeSample(QWidget* window) {
    int next = 0;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isEnabled()) {
            box->setText(kSampleInputs[next++ % kSampleInputs.size()]);
        }
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->objectName().startsWith("cmdConvert") ||
            button->objectName().startsWith("cmdCalculate")) {
            button->click();
        }
    }
}

void chooseLastOption(QWidget* window) {
    const auto groups = window->findChildren<QGroupBox*>();
    if (groups.isEmpty()) {
        return;
    }
    const auto options = groups.front()->findChildren<QRadioButton*>();
    if (!options.isEmpty()) {
        options.back()->click();
    }
}

}  // namespace nimbaro::test
