#include "conversion_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "locale_bridge.h"
#include "output_label.h"
#include "twip_geometry.h"

namespace nimbaro {

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
        } else {
            reportFault();
        }
        return;
    }
}

}  // namespace nimbaro
