#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>

#include "help_documents.h"
#include "locale_bridge.h"
#include "window_names.h"

namespace nimbaro {

// Knows how to make each window by its name and keeps at most one of each. The shell knows
// no window type: the entry point registers a factory for every window.
class WindowRegistry {
  public:
    using Factory = std::function<QWidget*(WindowRegistry&)>;

    static inline const QString kHomeWindow = fromUtf8(window_names::kHome);

    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;
    ~WindowRegistry();

    void add(const QString& windowName, Factory factory);

    // The help documents that every window shows: the main menu's Help menu, F1 anywhere.
    const HelpDocuments& helpDocuments() const { return helpDocuments_; }
    void setHelpDocuments(HelpDocuments documents);

    // Creates the window on first use and shows it centred and active, scrolling where the
    // screen is too small for it, or brings the open one to the front with its contents
    // unchanged. Nothing happens for a name without a factory.
    QWidget* open(const QString& windowName);

    // The open window of that name, if any.
    QWidget* find(const QString& windowName) const;

    // The Back sequence: show the main menu (made again if it was closed), hide the window
    // and destroy it, so that its next launch starts from its load state.
    void back(QWidget* window);

    // Ends the program at once, without closing steps or questions.
    static void exitProgram();

  private:
    HelpDocuments helpDocuments_;
    std::map<QString, Factory> factories_;
    std::map<QString, QPointer<QWidget>> windows_;
};

}  // namespace nimbaro
