#include "application_style.h"

#include <QApplication>
#include <QFont>

#include "program_icon.h"

namespace nimbaro {
namespace {

constexpr qreal kDialogFontPointSize = 8.0;

}  // namespace

void applyApplicationStyle(QApplication& application) {
    QApplication::setWindowIcon(programIcon());
    // Lets the desktop match the windows to the program's menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(NIMBARO_APP_ID));
    QFont font = QApplication::font();
    if (font.pointSizeF() > kDialogFontPointSize) {
        font.setPointSizeF(kDialogFontPointSize);
        application.setFont(font);
    }
}

}  // namespace nimbaro
