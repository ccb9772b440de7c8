#include "application_style.h"

#include <QApplication>
#include <QFont>

namespace nimbaro {
namespace {

constexpr qreal kDialogFontPointSize = 8.0;

}  // namespace

void applyApplicationStyle(QApplication& application) {
    QFont font = QApplication::font();
    if (font.pointSizeF() > kDialogFontPointSize) {
        font.setPointSizeF(kDialogFontPointSize);
        application.setFont(font);
    }
}

}  // namespace nimbaro
