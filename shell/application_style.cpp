#include "application_style.h"

#include <QApplication>
#include <QWidget>

#include "program_icon.h"

namespace nimbaro {
namespace {

void setDesktopFileName(QApplication& application) {
    // Lets the desktop match the windows to the program's menu entry and its icon.
    application.setDesktopFileName(QStringLiteral(NIMBARO_APP_ID));
}

// Gives the application the program icon as the first window is shown, then goes.
class IconAtFirstWindow : public QObject {
  public:
    explicit IconAtFirstWindow(QApplication& application) : QObject(&application) {
        application.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The window receives its Show event after its native window is made, before it is
        // mapped.
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            deleteLater();
            QApplication::setWindowIcon(programIcon());
        }
        return false;
    }
};

}  // namespace

void applyApplicationStyle(QApplication& application) {
    QApplication::setWindowIcon(programIcon());
    setDesktopFileName(application);
}

void applyApplicationStyleAtFirstWindow(QApplication& application) {
    new IconAtFirstWindow(application);
    setDesktopFileName(application);
}

}  // namespace nimbaro
