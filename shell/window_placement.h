#pragma once

#include <QSize>

class QWidget;

namespace nimbaro {

// Keeps a window within `room`: where its contents need more than that, the window takes what
// there is and its contents scroll inside it, always to the control that has the focus; a
// window that fits is left as it is. Called again, a window that already scrolls is sized for
// what its contents need now. A main window scrolls its central widget, any other window
// everything it holds.
void fitWithin(QWidget* window, QSize room);

// The room a window has on its screen: the screen's available area less the window manager's
// frame, which is known only once a window has been shown, so that of another window or, on
// the first, an allowance of a title bar two lines of text high is taken.
QSize roomOnScreen(const QWidget* window);

// Centres the window on its screen's available area. One larger than that keeps its top left
// corner, and so its title bar, in view.
void centreOnScreen(QWidget* window);

// Shows the window, restored if it was minimised, in front of the others and active, so that
// the keyboard works in it at once.
void bringToFront(QWidget* window);

}  // namespace nimbaro
