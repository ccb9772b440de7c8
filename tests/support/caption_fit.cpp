#include "caption_fit.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>

#include "output_label.h"

namespace nimbaro::test {
namespace {

void check(std::vector<QString>& clipped, const QWidget* control, const QString& caption,
           QSize needed, QSize room) {
    if (needed.width() > room.width() || needed.height() > room.height()) {
        clipped.push_back(QStringLiteral("%1 '%2' needs %3x%4, has %5x%6")
                              .arg(control->objectName(), caption)
                              .arg(needed.width())
                              .arg(needed.height())
                              .arg(room.width())
                              .arg(room.height()));
    }
}

QSize lineSize(const QFontMetrics& metrics, const QString& caption) {
    return {metrics.horizontalAdvance(caption), metrics.height()};
}

QSize textSize(const QFontMetrics& metrics, const QString& caption, const QRect& room,
               bool wordWrap) {
    const int flags = wordWrap ? Qt::TextWordWrap : 0;
    return metrics.boundingRect(QRect(room.topLeft(), QSize(room.width(), 0)), flags, caption)
        .size();
}

void checkButton(std::vector<QString>& clipped, const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
    const QRect room = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
    const QString shown = shownCaption(button->text());
    check(clipped, button, shown, lineSize(button->fontMetrics(), shown), room.size());
}

// The title as the style places it, and no further than the frame's own edges.
void checkFrameTitle(std::vector<QString>& clipped, const QGroupBox* frame) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.textAlignment = frame->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect room =
        frame->style()
            ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
            .intersected(frame->rect());
    const QString shown = shownCaption(frame->title());
    check(clipped, frame, shown, lineSize(frame->fontMetrics(), shown), room.size());
}

void checkLabel(std::vector<QString>& clipped, const QLabel* label) {
    if (label->text().isEmpty()) {
        return;
    }
    if (const auto* output = qobject_cast<const OutputLabel*>(label)) {
        const QRect room = output->valueRect();
        check(clipped, label, label->text(),
              lineSize(QFontMetrics(output->displayFont()), label->text()), room.size());
        return;
    }
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    check(clipped, label, label->text(),
          textSize(label->fontMetrics(), label->text(), room, label->wordWrap()), room.size());
}

void checkTabs(std::vector<QString>& clipped, const QTabBar* tabs) {
    for (int i = 0; i < tabs->count(); ++i) {
        const QString shown = shownCaption(tabs->tabText(i));
        check(clipped, tabs, shown, lineSize(tabs->fontMetrics(), shown), tabs->tabRect(i).size());
    }
}

}  // namespace

QString shownCaption(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption[i];
    }
    return shown;
}

std::vector<QString> clippedCaptions(QWidget* window) {
    std::vector<QString> clipped;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        checkButton(clipped, button);
    }
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        checkFrameTitle(clipped, frame);
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        checkLabel(clipped, label);
    }
    for (const QTabBar* tabs : window->findChildren<QTabBar*>()) {
        checkTabs(clipped, tabs);
    }
    return clipped;
}

}  // namespace nimbaro::test
