#include "message_box.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace nimbaro {
namespace {

// A window manager draws the title in its own, often bold, font, between the window's icon
// and its buttons; Qt sizes a box by its prompt. A box at least this wide shows its whole
// title in the title bars of the usual X11 window managers.
int widthForTitle(const QMessageBox& box) {
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    // The icon and up to three buttons, each about as wide as the title bar is high.
    const int titleBarHeight = 2 * metrics.height();
    return metrics.horizontalAdvance(box.windowTitle()) + 4 * titleBarHeight;
}

void keepTitleWhole(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    const QMargins margins = grid->contentsMargins();
    const int width = widthForTitle(box) - margins.left() - margins.right();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void showMessage(QWidget* parent, const QString& prompt, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    keepTitleWhole(box);
    box.exec();
}

}  // namespace nimbaro
