#include "calculator_window.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "fit_to_contents.h"
#include "locale_bridge.h"
#include "message_box.h"
#include "number_text.h"
#include "output_label.h"
#include "result_copying.h"
#include "select_all_line_edit.h"
#include "twip_geometry.h"
#include "window_registry.h"

namespace nimbaro {
namespace {

constexpr TwipSize kButtonSize{1215, 375};
constexpr TwipSize kInputBoxSize{1335, 375};
constexpr TwipSize kOutputLabelSize{1695, 375};

// A zero width or height in the layout takes the fallback size, or the natural size where
// there is none. A caption never gets less room than it needs: the layouts were drawn for a
// compact font, and a wider one must not clip a caption.
QRect placement(const QWidget* control, TwipRect rect, TwipSize fallback = {},
                bool fitCaption = true) {
    QRect pixels = toPixels(rect);
    const QSize natural = control->sizeHint();
    if (rect.width == 0) {
        pixels.setWidth(fallback.width ? twipsToPixels(fallback.width) : natural.width());
    } else if (fitCaption) {
        pixels.setWidth(std::max(pixels.width(), natural.width()));
    }
    if (rect.height == 0) {
        pixels.setHeight(
            std::max(fallback.height ? twipsToPixels(fallback.height) : 0, natural.height()));
    }
    return pixels;
}

void setName(QWidget* widget, std::string_view name) {
    widget->setObjectName(fromUtf8(name));
}

// The text on lines no wider than `width`, broken at its spaces but never between a number and
// the word after it, so that "4,8 km/h" stays on one line; a piece wider than that gets a line
// of its own.
QString brokenToWidth(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList pieces;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        if (!pieces.isEmpty() && !pieces.back().isEmpty() && pieces.back().back().isDigit()) {
            pieces.back() += QLatin1Char(' ') + word;
        } else {
            pieces.push_back(word);
        }
    }
    QStringList lines;
    for (const QString& piece : pieces) {
        const QString longer =
            lines.isEmpty() ? QString() : lines.back() + QLatin1Char(' ') + piece;
        if (!lines.isEmpty() && metrics.horizontalAdvance(longer) <= width) {
            lines.back() = longer;
        } else {
            lines.push_back(piece);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

// A quiet line that wraps breaks its text itself, where the label would part a number from its
// unit.
void setQuietText(QLabel* line, const QString& text, int width) {
    line->setText(line->wordWrap() ? brokenToWidth(text, line->fontMetrics(), width) : text);
}

bool groupHasSelection(const QRadioButton* option) {
    for (const QRadioButton* sibling : option->parentWidget()->findChildren<QRadioButton*>(
             QString(), Qt::FindDirectChildrenOnly)) {
        if (sibling->isChecked()) {
            return true;
        }
    }
    return false;
}

}  // namespace

CalculatorWindow::CalculatorWindow(WindowRegistry& registry, std::string_view windowName,
                                   std::string_view title, TwipSize clientSize)
    : registry_(registry), copying_(new ResultCopying(this)) {
    setName(this, windowName);
    setWindowTitle(fromUtf8(title));
    setFixedSize(toPixels(clientSize));
}

void CalculatorWindow::onBackClicked() {
    registry_.back(this);
}

void CalculatorWindow::onExitClicked() {
    WindowRegistry::exitProgram();
}

void CalculatorWindow::onResetClicked() {
    for (QLineEdit* box : inputBoxes_) {
        box->clear();
    }
    onOutputClicked();
}

void CalculatorWindow::onOutputClicked() {
    for (OutputLabel* label : outputLabels_) {
        label->clear();
    }
    showResultNote({});
}

void CalculatorWindow::clearOutput(OutputLabel* label) {
    label->clear();
    const bool anyShown =
        std::any_of(outputLabels_.begin(), outputLabels_.end(),
                    [](const OutputLabel* output) { return !output->text().isEmpty(); });
    if (!anyShown) {
        showResultNote({});
    }
}

void CalculatorWindow::showResults(const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        outputLabels_.at(i)->setText(fromUtf8(texts[i]));
    }
}

QGroupBox* CalculatorWindow::addFrame(std::string_view name, std::string_view caption,
                                      std::string_view tooltip, TwipRect rect) {
    auto* frame = new QGroupBox(fromUtf8(caption), this);
    setName(frame, name);
    frame->setToolTip(fromUtf8(tooltip));
    frame->setGeometry(toPixels(rect));
    return frame;
}

QRadioButton* CalculatorWindow::addOption(QGroupBox* frame, std::string_view name,
                                          std::string_view caption, std::string_view tooltip,
                                          TwipRect rect) {
    auto* option = new QRadioButton(fromUtf8(caption), frame);
    setName(option, name);
    option->setToolTip(fromUtf8(tooltip));
    option->setGeometry(placement(option, rect).translated(-frame->pos()));
    return option;
}

QLineEdit* CalculatorWindow::addInputBox(std::string_view name, std::string_view tooltip,
                                         TwipRect rect) {
    auto* box = new SelectAllLineEdit(this);
    setName(box, name);
    box->setToolTip(fromUtf8(tooltip));
    box->setGeometry(placement(box, rect, kInputBoxSize, false));
    inputBoxes_.push_back(box);
    return box;
}

OutputLabel* CalculatorWindow::addOutputLabel(std::string_view name, std::string_view tooltip,
                                              TwipRect rect) {
    OutputLabel* label = addResultLabel(name, tooltip, rect);
    connect(label, &OutputLabel::clicked, this, [this, label] { clearOutput(label); });
    outputLabels_.push_back(label);
    return label;
}

OutputLabel* CalculatorWindow::addResultLabel(std::string_view name, std::string_view tooltip,
                                              TwipRect rect) {
    auto* label = new OutputLabel(this);
    setName(label, name);
    label->setToolTip(fromUtf8(tooltip));
    label->setGeometry(placement(label, rect, kOutputLabelSize, false));
    copying_->add(label);
    return label;
}

QLabel* CalculatorWindow::addFixedLabel(QWidget* parent, std::string_view name,
                                        std::string_view text, TwipRect rect, bool bold) {
    auto* label = new QLabel(fromUtf8(text), parent);
    setName(label, name);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    label->setGeometry(placement(label, rect, {0, kOutputLabelSize.height}));
    return label;
}

QLabel* CalculatorWindow::addUnitLabel(OutputLabel* output, std::string_view name,
                                       std::string_view unitName, TwipRect rect) {
    output->setUnitName(fromUtf8(unitName));
    return addFixedLabel(this, name, unitName, rect);
}

void CalculatorWindow::addResultNote(TwipRect rect, const std::vector<std::string>& possibleNotes,
                                     bool wrap) {
    resultNote_ = addQuietLine("lblNote", rect, possibleNotes, wrap);
}

void CalculatorWindow::addRiskLine(TwipRect rect, const std::vector<std::string>& possibleRisks) {
    riskLine_ = addQuietLine("lblRisk", rect, possibleRisks);
}

// Under the lowest quiet line, from the left margin to the window's right edge, with room for
// three lines: a remark may name a reference's value and every input of a method as looking
// wrong.
void CalculatorWindow::addRemarkLine() {
    constexpr int kLeftMargin = 240;
    constexpr int kGap = 45;
    remarkLine_ = addQuietLine("lblRemark", {}, {}, true);
    remarkLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    int bottom = resultNote_->geometry().bottom();
    if (riskLine_ != nullptr) {
        bottom = std::max(bottom, riskLine_->geometry().bottom());
    }
    const int left = twipsToPixels(kLeftMargin);
    remarkLine_->setGeometry(left, bottom + 1 + twipsToPixels(kGap),
                             width() - left - twipsToPixels(kFitMarginTwips),
                             3 * remarkLine_->fontMetrics().lineSpacing());
}

QLabel* CalculatorWindow::addQuietLine(const char* name, TwipRect rect,
                                       const std::vector<std::string>& possibleTexts, bool wrap) {
    auto* line = new QLabel(this);
    line->setObjectName(QString::fromLatin1(name));
    line->setTextFormat(Qt::PlainText);
    line->setWordWrap(wrap);
    QRect room = toPixels(rect);
    for (const std::string& text : possibleTexts) {
        setQuietText(line, fromUtf8(text), room.width());
        const QSize needed =
            wrap ? QSize(room.width(), line->heightForWidth(room.width())) : line->sizeHint();
        room.setSize(room.size().expandedTo(needed));
    }
    line->clear();
    line->setGeometry(room);
    return line;
}

void CalculatorWindow::showResultNote(const QString& note, const QString& risk,
                                      const QString& remark) {
    const auto show = [](QLabel* line, const QString& text) {
        if (line != nullptr) {
            setQuietText(line, text, line->contentsRect().width());
        }
    };
    show(resultNote_, note);
    show(remarkLine_, remark);
    show(riskLine_, risk);
}

QPushButton* CalculatorWindow::addButton(std::string_view name, std::string_view caption,
                                         std::string_view tooltip, TwipRect rect,
                                         std::function<void()> handler) {
    auto* button = new QPushButton(fromUtf8(caption), this);
    setName(button, name);
    button->setToolTip(fromUtf8(tooltip));
    button->setAutoDefault(false);
    button->setGeometry(placement(button, rect, kButtonSize));
    connect(button, &QPushButton::clicked, this, std::move(handler));
    return button;
}

void CalculatorWindow::addResetButton(std::string_view tooltip, TwipPoint position) {
    addButton("cmdReset", "&Reset", tooltip, {position.left, position.top},
              [this] { onResetClicked(); });
}

void CalculatorWindow::addOutputButton(std::string_view tooltip, TwipPoint position) {
    addButton("cmdOutput", "O&utput", tooltip, {position.left, position.top},
              [this] { onOutputClicked(); });
}

void CalculatorWindow::addBackAndExitButtons(TwipPoint back, TwipPoint exit) {
    addButton("cmdBack", "B&ack", "Close Window", {back.left, back.top},
              [this] { onBackClicked(); });
    addButton("cmdExit", "E&xit", "Close Program", {exit.left, exit.top},
              [this] { onExitClicked(); });
}

void CalculatorWindow::pressOnEnter(QLineEdit* box, QPushButton* button) {
    connect(box, &QLineEdit::returnPressed, button, &QPushButton::click);
}

bool CalculatorWindow::numberCheck(QLineEdit* box, const QString& prompt, const QString& title) {
    if (numberIn(box)) {
        return true;
    }
    showMessage(prompt, title);
    focusAndSelect(box);
    return false;
}

void CalculatorWindow::showMessage(const QString& prompt, const QString& title) {
    nimbaro::showMessage(this, prompt, title);
}

void CalculatorWindow::reportFault() {
    showMessage(QStringLiteral("Invalid Numbers Used"), QStringLiteral("Unable to Calculate"));
}

void CalculatorWindow::focusAndSelect(QLineEdit* box) {
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

NumberLocale CalculatorWindow::numberLocale() const {
    return currentNumberLocale();
}

std::optional<double> CalculatorWindow::numberIn(const QLineEdit* box) const {
    return parseNumber(toUtf8(box->text()), numberLocale());
}

void CalculatorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        growToFitChildren(this);
        focusFirstControl();
    }
}

// When a window is shown the focus goes to the first control of its tab order, and an option
// that takes the focus while its group has no selection becomes selected.
void CalculatorWindow::focusFirstControl() {
    QWidget* first = nextInFocusChain();
    while (first != this && !((first->focusPolicy() & Qt::TabFocus) && first->isEnabled() &&
                              first->isVisibleTo(this))) {
        first = first->nextInFocusChain();
    }
    if (first == this) {
        return;
    }
    first->setFocus(Qt::TabFocusReason);
    if (auto* option = qobject_cast<QRadioButton*>(first); option && !groupHasSelection(option)) {
        option->setChecked(true);
    }
}

}  // namespace nimbaro
