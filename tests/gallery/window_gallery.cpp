// Saves a picture of the main menu's pages, of every window it opens (empty, after a sample
// computation, and again with the last option of its first group chosen) and of the About
// window, for looking at the layouts: nimbaro_gallery <folder>.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "application_style.h"
#include "message_catcher.h"
#include "window_catalog.h"
#include "window_registry.h"

namespace {

const QStringList kSampleInputs = {"20", "10", "1013.25", "15"};

void save(QWidget* window, const QDir& folder, const QString& name) {
    window->grab().save(folder.filePath(name + ".png"));
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

// The last option of the window's first group: another input method, or another unit.
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

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    nimbaro::applyApplicationStyle(application);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery"));
    folder.mkpath(".");

    nimbaro::WindowRegistry registry;
    nimbaro::registerWindows(registry);
    nimbaro::test::MessageCatcher messages;
    QWidget* home = registry.open(nimbaro::WindowRegistry::kHomeWindow);
    auto* tabs = home->findChild<QTabWidget*>("tabMain");
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        save(home, folder, QStringLiteral("frmHome-%1").arg(page + 1));
    }
    for (QPushButton* launch : tabs->findChildren<QPushButton*>()) {
        const auto before = QApplication::topLevelWidgets();
        launch->click();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (before.contains(window) || !window->isVisible()) {
                continue;
            }
            save(window, folder, window->objectName());
            computeSample(window);
            save(window, folder, window->objectName() + "-sample");
            chooseLastOption(window);
            computeSample(window);
            save(window, folder, window->objectName() + "-other");
        }
    }
    home->findChild<QAction*>("mnuAbout")->trigger();
    save(registry.find("frmAbout"), folder, "frmAbout");
    for (const auto& message : messages.messages()) {
        qInfo("message: %s / %s", qPrintable(message.title), qPrintable(message.text));
    }
    return 0;
}
