#include "launchable_windows.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <chrono>

#include "window_driver.h"
#include "window_registry.h"

namespace nimbaro::bench {
namespace {

const QString kAbout = QStringLiteral("frmAbout");

QWidget* home(WindowRegistry& registry) {
    QWidget* window = registry.open(WindowRegistry::kHomeWindow);
    waitUntilShown(window);
    return window;
}

QWidget* newWindowAfter(const QList<QWidget*>& before) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!before.contains(window) && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// The window the launch button opens (frmAbout for none), or nothing.
QWidget* openByTrying(WindowRegistry& registry, QWidget* menu, const QString& launchButton) {
    if (launchButton.isEmpty()) {
        return registry.open(kAbout);
    }
    const QList<QWidget*> before = QApplication::topLevelWidgets();
    menu->findChild<QPushButton*>(launchButton)->click();
    return newWindowAfter(before);
}

}  // namespace

LaunchableWindows discoverWindows(WindowRegistry& registry) {
    LaunchableWindows found;
    auto* tabs = home(registry)->findChild<QTabWidget*>(QStringLiteral("tabMain"));
    QStringList launchButtons;
    for (int page = 0; page < tabs->count(); ++page) {
        for (const QPushButton* button : tabs->widget(page)->findChildren<QPushButton*>()) {
            launchButtons.append(button->objectName());
        }
    }
    launchButtons.append(QString());  // frmAbout, through the registry

    for (const QString& launchButton : launchButtons) {
        QWidget* menu = home(registry);
        const auto started = std::chrono::steady_clock::now();
        QWidget* window = openByTrying(registry, menu, launchButton);
        if (window == nullptr || !waitUntilShown(window)) {
            found.idleLaunchButtons.append(launchButton);
            continue;
        }
        const std::chrono::duration<double, std::milli> opening =
            std::chrono::steady_clock::now() - started;
        QStringList buttons;
        for (const QPushButton* button : computeButtons(window)) {
            buttons.append(button->objectName());
        }
        found.windows.push_back({window->objectName(), launchButton, opening.count(), buttons});
        close(window);
        settle();
    }
    return found;
}

QWidget* launch(WindowRegistry& registry, const LaunchableWindow& window) {
    if (window.launchButton.isEmpty()) {
        return registry.open(window.name);
    }
    QWidget* menu = registry.open(WindowRegistry::kHomeWindow);
    menu->findChild<QPushButton*>(window.launchButton)->click();
    return registry.find(window.name);
}

void close(QWidget* window) {
    if (auto* back = window->findChild<QPushButton*>(QStringLiteral("cmdBack"))) {
        back->click();
    } else {
        window->close();
    }
}

}  // namespace nimbaro::bench
