#include "window_registry.h"

#include <QApplication>

#include "desktop_keys.h"
#include "fit_to_contents.h"
#include "window_placement.h"

namespace nimbaro {

WindowRegistry::~WindowRegistry() {
    for (auto& [name, window] : windows_) {
        delete window.data();
    }
}

void WindowRegistry::add(const QString& windowName, Factory factory) {
    factories_[windowName] = std::move(factory);
}

void WindowRegistry::setHelpDocuments(HelpDocuments documents) {
    helpDocuments_ = std::move(documents);
}

QWidget* WindowRegistry::open(const QString& windowName) {
    if (QWidget* existing = find(windowName)) {
        bringToFront(existing);
        return existing;
    }
    const auto factory = factories_.find(windowName);
    if (factory == factories_.end()) {
        return nullptr;
    }
    QWidget* window = factory->second(*this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    windows_[windowName] = window;
    // Grown to fit its captions before it is placed, so that it opens centred at its final size.
    growToFitChildren(window);
    fitWithin(window, roomOnScreen(window));
    centreOnScreen(window);
    answerDesktopKeys(window, [this](QWidget* asking) {
        helpDocuments_.open(asking, QString::fromLatin1(kHowToDocument));
    });
    bringToFront(window);
    return window;
}

QWidget* WindowRegistry::find(const QString& windowName) const {
    const auto found = windows_.find(windowName);
    return found == windows_.end() ? nullptr : found->second.data();
}

void WindowRegistry::back(QWidget* window) {
    std::erase_if(windows_, [window](const auto& entry) { return entry.second == window; });
    open(kHomeWindow);
    window->hide();
    window->deleteLater();
}

void WindowRegistry::exitProgram() {
    QCoreApplication::exit(0);
}

}  // namespace nimbaro
