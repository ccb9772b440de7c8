#include "output_label.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace nimbaro {
namespace {

// A smaller font than this is too hard to read; the text is shortened instead.
constexpr qreal kSmallestScale = 0.7;
constexpr qreal kScaleStep = 0.05;

bool fits(const QString& text, const QFont& font, int room) {
    return QFontMetrics(font).horizontalAdvance(text) <= room;
}

}  // namespace

OutputLabel::OutputLabel(QWidget* parent) : QLabel(parent) {
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

OutputLabel::Shown OutputLabel::shown() const {
    const int room = textArea().width();
    QFont smaller = font();
    const qreal size = font().pointSizeF();
    for (qreal scale = 1.0; size > 0 && scale >= kSmallestScale - kScaleStep / 2;
         scale -= kScaleStep) {
        smaller.setPointSizeF(size * scale);
        if (fits(text(), smaller, room)) {
            return {text(), smaller};
        }
    }
    return {QFontMetrics(smaller).elidedText(text(), Qt::ElideMiddle, room), smaller};
}

// As a framed label indents its text: half the width of an "x" on each side.
QRect OutputLabel::textArea() const {
    const int indent = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    return contentsRect().adjusted(indent, 0, -indent, 0);
}

void OutputLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void OutputLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    const Shown drawn = shown();
    painter.setFont(drawn.font);
    painter.drawText(textArea(), static_cast<int>(alignment()), drawn.text);
}

}  // namespace nimbaro
