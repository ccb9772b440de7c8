#include "window_placement.h"

#include <QApplication>
#include <QMainWindow>
#include <QMargins>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <optional>

namespace nimbaro {
namespace {

const QScreen* screenOf(const QWidget* window) {
    return window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
}

const QString kScrollerName = QStringLiteral("scrolledContents");

// The scroll area that holds a window's contents, and what the window has around it (the menu
// bar of a main window).
class ScrolledContents : public QScrollArea {
  public:
    ScrolledContents(QWidget* window, QSize surroundings)
        : QScrollArea(window), surroundings_(surroundings) {
        setObjectName(kScrollerName);
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);
    }

    // The window's size that shows the whole of its contents.
    QSize wholeSize() const { return widget()->size() + surroundings_; }

  private:
    QSize surroundings_;
};

ScrolledContents* scrollerOf(QWidget* window) {
    return dynamic_cast<ScrolledContents*>(
        window->findChild<QScrollArea*>(kScrollerName, Qt::FindDirectChildrenOnly));
}

void moveChildrenInto(QWidget* window, QWidget* contents) {
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->isAncestorOf(contents)) {
            continue;
        }
        // A new parent hides a widget; one hidden on purpose stays hidden. Within one window
        // the tab order stays as it was.
        const bool hidden = child->isHidden();
        child->setParent(contents);
        child->setHidden(hidden);
    }
}

ScrolledContents* makeScrolling(QWidget* window, QSize wholeSize) {
    ScrolledContents* scroller = nullptr;
    if (auto* mainWindow = qobject_cast<QMainWindow*>(window)) {
        QWidget* contents = mainWindow->takeCentralWidget();
        scroller = new ScrolledContents(window, wholeSize - contents->size());
        mainWindow->setCentralWidget(scroller);
        scroller->setWidget(contents);
    } else {
        scroller = new ScrolledContents(window, {});
        auto* contents = new QWidget;
        contents->resize(wholeSize);
        scroller->setWidget(contents);
        moveChildrenInto(window, contents);
    }
    // A window already on screen does not show a control added to it by itself.
    scroller->show();
    // However the focus moves (Tab, a mnemonic, a message sending it back to a box), the
    // control that takes it comes into view.
    QObject::connect(qApp, &QApplication::focusChanged, scroller,
                     [scroller](QWidget* /*before*/, QWidget* now) {
                         if (now != nullptr && scroller->widget()->isAncestorOf(now)) {
                             scroller->ensureWidgetVisible(now);
                         }
                     });
    return scroller;
}

Qt::ScrollBarPolicy barPolicy(bool needed) {
    return needed ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
}

// Gives the scroll area the bars that `natural` needs in `room` and returns the window's size
// with them: a bar takes room across the way it scrolls, which may make the other way overflow
// too. The bars are set rather than left to the scroll area, which may keep one it needed at an
// earlier size.
QSize scrolledSize(QScrollArea* scroller, QSize natural, QSize room) {
    QSize size = natural;
    bool horizontal = false;
    bool vertical = false;
    for (int pass = 0; pass < 2; ++pass) {
        if (!vertical && size.height() > room.height()) {
            vertical = true;
            size.rwidth() += scroller->verticalScrollBar()->sizeHint().width();
        }
        if (!horizontal && size.width() > room.width()) {
            horizontal = true;
            size.rheight() += scroller->horizontalScrollBar()->sizeHint().height();
        }
    }
    scroller->setHorizontalScrollBarPolicy(barPolicy(horizontal));
    scroller->setVerticalScrollBarPolicy(barPolicy(vertical));
    return size.boundedTo(room);
}

std::optional<QMargins> knownFrame(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    if (frame == inside) {
        return std::nullopt;
    }
    return QMargins(inside.left() - frame.left(), inside.top() - frame.top(),
                    frame.right() - inside.right(), frame.bottom() - inside.bottom());
}

QMargins frameOf(const QWidget* window) {
    if (const auto own = knownFrame(window)) {
        return *own;
    }
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other->isVisible()) {
            if (const auto shown = knownFrame(other)) {
                return *shown;
            }
        }
    }
    const int line = window->fontMetrics().height();
    return {line / 2, 2 * line, line / 2, line / 2};
}

}  // namespace

void fitWithin(QWidget* window, QSize room) {
    ScrolledContents* scroller = scrollerOf(window);
    if (scroller == nullptr) {
        const QSize whole = window->layout() != nullptr ? window->sizeHint() : window->size();
        if (whole.width() <= room.width() && whole.height() <= room.height()) {
            window->setFixedSize(whole);
            return;
        }
        scroller = makeScrolling(window, whole);
    }
    window->setFixedSize(scrolledSize(scroller, scroller->wholeSize(), room));
    if (qobject_cast<QMainWindow*>(window) == nullptr) {
        scroller->setGeometry(window->rect());
    }
}

QSize roomOnScreen(const QWidget* window) {
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    }
    return screen->availableGeometry().size().shrunkBy(frameOf(window));
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(available.center());
    window->move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}

void bringToFront(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace nimbaro
