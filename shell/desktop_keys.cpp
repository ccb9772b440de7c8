#include "desktop_keys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace nimbaro {
namespace {

// Watches each button for the keys that reach it, which it has the focus for, and the window
// for the keys that no control took: those reach the window itself.
class DesktopKeys : public QObject {
  public:
    DesktopKeys(QWidget* window, std::function<void(QWidget*)> openHowTo)
        : QObject(window), window_(window), openHowTo_(std::move(openHowTo)) {
        window->installEventFilter(this);
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            button->installEventFilter(this);
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat() || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            return false;
        }
        if (watched != window_) {
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            return enter && click(qobject_cast<QPushButton*>(watched));
        }
        switch (key->key()) {
            case Qt::Key_Escape:
                return click(window_->findChild<QPushButton*>(QStringLiteral("cmdBack")));
            case Qt::Key_F1:
                openHowTo_(window_);
                return true;
            default:
                return false;
        }
    }

  private:
    static bool click(QPushButton* button) {
        if (button == nullptr || !button->isEnabled() || !button->isVisible()) {
            return false;
        }
        button->click();
        return true;
    }

    QWidget* window_;
    std::function<void(QWidget*)> openHowTo_;
};

}  // namespace

void answerDesktopKeys(QWidget* window, std::function<void(QWidget*)> openHowTo) {
    new DesktopKeys(window, std::move(openHowTo));
}

}  // namespace nimbaro
