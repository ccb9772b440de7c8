// A Qt plugin that the install check loads into the installed program
// (QT_QPA_GENERIC_PLUGINS=nimbarohelpprobe) to use it as a user would: it chooses each help
// document of the main menu, reports on standard output whether the windows carry the
// program icon, every message box that appears and every document the program shows in its own
// viewer, then ends the program.
#include <QAction>
#include <QApplication>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

constexpr const char* kHelpItems[] = {"mnuReadMe", "mnuHowTo", "mnuLicence", "mnuAcknowledgements"};

void reportAndDismissMessage() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        std::printf("message: %s\n", qPrintable(box->text()));
        box->done(QMessageBox::Ok);
    }
}

void chooseHelpItems() {
    QWidget* home = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmHome")) {
            home = window;
        }
    }
    if (home == nullptr) {
        std::printf("no main menu\n");
        QCoreApplication::exit(1);
        return;
    }
    std::printf("icon: %s\n", home->windowIcon().isNull() ? "none" : "set");
    for (const char* item : kHelpItems) {
        if (auto* action = home->findChild<QAction*>(item)) {
            action->trigger();
        } else {
            std::printf("no menu item: %s\n", item);
        }
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("documentViewer") && window->isVisible()) {
            std::printf("viewer: %s\n", qPrintable(window->windowTitle()));
        }
    }
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

class HelpProbe : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "help_probe.json")

  public:
    // Qt makes the plugin while the application starts; the probe runs once the program's
    // event loop does, when the main menu is up.
    QObject* create(const QString&, const QString&) override {
        auto* probe = new QObject;
        auto* messages = new QTimer(probe);
        QObject::connect(messages, &QTimer::timeout, reportAndDismissMessage);
        messages->start(0);
        QTimer::singleShot(0, probe, chooseHelpItems);
        return probe;
    }
};

}  // namespace

#include "help_probe.moc"
