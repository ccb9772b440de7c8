#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace nimbaro {

class WindowRegistry;

namespace bench {

// A window the main menu opens, found by trying its launch buttons.
struct LaunchableWindow {
    QString name;
    QString launchButton;              // on frmHome; empty for a window opened through the registry
    double firstOpenMilliseconds = 0;  // its first launch in the process, frmHome shown
    QStringList computeButtons;
};

struct LaunchableWindows {
    std::vector<LaunchableWindow> windows;
    QStringList idleLaunchButtons;  // buttons that open nothing (yet)
};

// Clicks every launch button of frmHome's pages once, then opens frmAbout through the
// registry, closing each window again; frmHome stays open.
LaunchableWindows discoverWindows(WindowRegistry& registry);

// Opens the window as the user does (its launch button) and returns it, not yet drawn.
QWidget* launch(WindowRegistry& registry, const LaunchableWindow& window);
// Closes the window as the user does (Back, or the window's close button where it has none).
void close(QWidget* window);

}  // namespace bench
}  // namespace nimbaro
