#include "conversion_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cmath>

#include "locale_bridge.h"
#include "number_text.h"
#include "output_label.h"
#include "twip_geometry.h"

namespace nimbaro {
namespace {

// The room between the outputs and the note under them, and to the right of the note.
constexpr int kZeroNoteMargin = 120;

// "a", "a and b", "a, b and c".
QString listed(const QStringList& names) {
    if (names.size() < 2) {
        return names.join(QString());
    }
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           names.back();
}

// "below 0.00001 mi and nmi": the results named show as zero but lie between zero and the
// smallest amount shown, on the side of zero that `sign` gives.
QString zeroNoteText(int sign, int decimals, const NumberLocale& locale,
                     const QStringList& symbols) {
    const double smallest = sign * std::pow(10.0, -decimals);
    return (sign > 0 ? QStringLiteral("below ") : QStringLiteral("above ")) +
           fromUtf8(formatFixed(smallest, decimals, locale)) + ' ' + listed(symbols);
}

}  // namespace

ConversionWindow::ConversionWindow(WindowRegistry& registry, const ConversionForm& form)
    : CalculatorWindow(registry, form.windowName, form.title, form.clientSize),
      quantity_(form.quantity) {
    QGroupBox* frame = addFrame("Frame1", "Select Data Type Here", form.frameTooltip, form.frame);
    for (const ConversionForm::Option& option : form.options) {
        options_.push_back(
            addOption(frame, option.name, option.caption, option.tooltip, option.rect));
    }
    for (const ConversionForm::Note& note : form.notes) {
        addNote(frame, note);
    }
    if (form.loadStepOption >= 0) {
        options_.at(static_cast<std::size_t>(form.loadStepOption))->setChecked(true);
    }

    input_ = addInputBox(form.inputName, "Insert a Number Here", form.input);
    // No caption stands beside the box; the unit options say what the value is in.
    input_->setAccessibleName(QStringLiteral("Value to convert"));
    QPushButton* convert = addButton("cmdConvert", "&Convert", form.convert.tooltip,
                                     {form.convert.position.left, form.convert.position.top},
                                     [this] { onConvertClicked(); });
    addResetButton(form.reset.tooltip, form.reset.position);
    addOutputButton(form.output.tooltip, form.output.position);
    addBackAndExitButtons(form.back, form.exit);
    pressOnEnter(input_, convert);

    for (std::size_t unit = 0; unit < form.outputs.size(); ++unit) {
        const ConversionForm::Output& output = form.outputs[unit];
        addUnitLabel(addOutputLabel(output.name, output.tooltip, output.rect), output.unitLabelName,
                     quantity_.units.at(unit).label,
                     {output.unitLabelPosition.left, output.unitLabelPosition.top});
    }
    addZeroNote();
}

// Under the outputs, as wide as the window leaves them; the window grows where they reach its
// bottom.
void ConversionWindow::addZeroNote() {
    const QRect lastOutput = outputLabels().back()->geometry();
    const int left = outputLabels().front()->x();
    const int margin = twipsToPixels(kZeroNoteMargin);
    const TwipRect rect{pixelsToTwips(left), pixelsToTwips(lastOutput.bottom() + margin),
                        pixelsToTwips(width() - left - margin), 0};
    QStringList symbols;
    for (const Unit& unit : quantity_.units) {
        symbols << fromUtf8(unit.symbol);
    }
    std::vector<std::string> longest;
    for (const int sign : {1, -1}) {
        longest.push_back(toUtf8(zeroNoteText(sign, quantity_.decimals, numberLocale(), symbols)));
    }
    addResultNote(rect, longest, true);
}

QString ConversionWindow::zeroNote(std::span<const double> values) const {
    std::array<QStringList, 2> hidden;  // above zero, below zero
    for (std::size_t unit = 0; unit < values.size(); ++unit) {
        const double value = values[unit];
        if (value != 0 && shownValue(value, quantity_.decimals) == 0) {
            hidden.at(value > 0 ? 0 : 1) << fromUtf8(quantity_.units[unit].symbol);
        }
    }
    QStringList notes;
    for (const int side : {0, 1}) {
        if (!hidden.at(side).isEmpty()) {
            notes << zeroNoteText(side == 0 ? 1 : -1, quantity_.decimals, numberLocale(),
                                  hidden.at(side));
        }
    }
    return notes.join(QStringLiteral("; "));
}

// A note with a width wraps to it rather than reach past its frame.
void ConversionWindow::addNote(QGroupBox* frame, const ConversionForm::Note& note) {
    const TwipRect rect = note.rectInFrame;
    QLabel* label = addFixedLabel(frame, note.name, note.text, {rect.left, rect.top}, note.bold);
    if (rect.width > 0) {
        const int width = twipsToPixels(rect.width);
        label->setWordWrap(true);
        label->resize(width, label->heightForWidth(width));
    }
}

void ConversionWindow::onConvertClicked() {
    if (!numberCheck(input_, QStringLiteral("Please insert a number into the white box"),
                     QStringLiteral("Numerical Value Needed"))) {
        return;
    }
    for (std::size_t unit = 0; unit < options_.size(); ++unit) {
        if (!options_[unit]->isChecked()) {
            continue;
        }
        const auto outcome = convert(quantity_, unit, toUtf8(input_->text()), numberLocale());
        if (const auto* texts = std::get_if<std::vector<std::string>>(&outcome)) {
            showResults(*texts);
            std::vector<double> values(quantity_.units.size());
            convert(quantity_, unit, *numberIn(input_), values);
            showResultNote(zeroNote(values));
        } else {
            reportFault();
        }
        return;
    }
}

}  // namespace nimbaro
