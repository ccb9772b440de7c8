#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "application_style.h"
#include "twip_geometry.h"

// GUI tests run headless, in English number settings and at the 8 pt font the layouts were
// drawn for (so that pixel positions read as in the layouts) unless a test says otherwise.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    nimbaro::applyApplicationStyle(application);
    QFont font = QApplication::font();
    font.setPointSizeF(nimbaro::kLayoutPointSize);
    QApplication::setFont(font);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
