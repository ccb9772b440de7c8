#include <QApplication>

#include "application_style.h"
#include "window_catalog.h"
#include "window_registry.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    nimbaro::applyApplicationStyleAtFirstWindow(application);
    nimbaro::WindowRegistry registry;
    nimbaro::registerWindows(registry);
    registry.open(nimbaro::WindowRegistry::kHomeWindow);
    return QApplication::exec();
}
