#include "application_style.h"

#include <QApplication>

#include "program_icon.h"

namespace nimbaro {

void applyApplicationStyle(QApplication& application) {
    application.setWindowIcon(programIcon());
    // Lets the desktop match the windows to the program's menu entry and its icon.
    application.setDesktopFileName(QStringLiteral(NIMBARO_APP_ID));
}

}  // namespace nimbaro
