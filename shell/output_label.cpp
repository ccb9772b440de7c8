#include "output_label.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "output_label_accessible.h"

namespace nimbaro {
namespace {

constexpr qreal kSmallestFontScale = 0.6;
constexpr qreal kFontStep = 0.25;

}  // namespace

OutputLabel::OutputLabel(QWidget* parent) : QLabel(parent) {
    installOutputLabelAccessibility();
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    // The value stands on the colour of an entry field, so it takes that field's text colour.
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void OutputLabel::setUnitName(const QString& unitName) {
    unitName_ = unitName;
    setAccessibleName(unitName.isEmpty() ? QString() : unitName + QStringLiteral(" result"));
}

void OutputLabel::setText(const QString& text) {
    const QString before = QLabel::text();
    QLabel::setText(text);
    announceValue(before);
}

void OutputLabel::clear() {
    const QString before = text();
    QLabel::clear();
    announceValue(before);
}

void OutputLabel::announceValue(const QString& before) {
    QAccessibleValueChangeEvent valueChange(this, text());
    QAccessible::updateAccessibility(&valueChange);
    QAccessibleTextUpdateEvent textChange(this, 0, before, text());
    QAccessible::updateAccessibility(&textChange);
    emit valueChanged(text());
}

QRect OutputLabel::valueRect() const {
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    // As QLabel indents a framed text: half an "x" on the side it is aligned to.
    const int textIndent =
        indent() >= 0 ? indent() : fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    room.setRight(room.right() - textIndent);
    return room;
}

QFont OutputLabel::displayFont() const {
    QFont shown = font();
    const qreal full = shown.pointSizeF();
    if (full <= 0) {
        return shown;
    }
    const qreal smallest = full * kSmallestFontScale;
    const int room = valueRect().width();
    while (QFontMetrics(shown).horizontalAdvance(text()) > room && shown.pointSizeF() > smallest) {
        shown.setPointSizeF(std::max(smallest, shown.pointSizeF() - kFontStep));
    }
    return shown;
}

QString OutputLabel::displayedText() const {
    return QFontMetrics(displayFont()).elidedText(text(), Qt::ElideMiddle, valueRect().width());
}

void OutputLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(displayFont());
    style()->drawItemText(&painter, valueRect(),
                          QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), displayedText(), foregroundRole());
}

void OutputLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace nimbaro
