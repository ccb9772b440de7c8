#include "fit_to_contents.h"

#include <QGroupBox>
#include <QWidget>

#include "twip_geometry.h"

namespace nimbaro {
namespace {

QSize grownSize(const QWidget* container) {
    const QRect used = container->childrenRect();
    const int margin = twipsToPixels(kFitMarginTwips);
    QSize size = container->size();
    if (used.right() >= size.width()) {
        size.setWidth(used.right() + margin);
    }
    if (used.bottom() >= size.height()) {
        size.setHeight(used.bottom() + margin);
    }
    return size;
}

}  // namespace

void growToFitChildren(QWidget* container) {
    for (QGroupBox* frame : container->findChildren<QGroupBox*>()) {
        frame->resize(grownSize(frame));
    }
    const QSize size = grownSize(container);
    if (size == container->size()) {
        return;
    }
    if (container->isWindow()) {
        container->setFixedSize(size);
    } else {
        container->setMinimumSize(size);
        container->resize(size);
    }
}

void placeGrownToFit(QWidget* control, TwipRect rect) {
    QRect pixels = toPixels(rect);
    pixels.setSize(pixels.size().expandedTo(control->sizeHint()));
    control->setGeometry(pixels);
}

}  // namespace nimbaro
