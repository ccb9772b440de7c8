#include "conversion_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "conversion.h"
#include "locale_bridge.h"
#include "output_label.h"
#include "twip_geometry.h"

namespace nimbaro {

ConversionWindow::ConversionWindow(WindowRegistry& registry, const ConversionTable& table)
    : CalculatorWindow(registry, table.windowName, table.title, table.clientSize), table_(table) {
    QGroupBox* frame = addFrame("Frame1", "Select Data Type Here", table.frameTooltip, table.frame);
    for (const ConversionTable::Option& option : table.options) {
        options_.push_back(
            addOption(frame, option.name, option.caption, option.tooltip, option.rect));
    }
    for (const ConversionTable::Note& note : table.notes) {
        addNote(frame, note);
    }
    if (table.loadStepOption >= 0) {
        options_.at(static_cast<std::size_t>(table.loadStepOption))->setChecked(true);
    }

    input_ = addInputBox(table.inputName, "Insert a Number Here", table.input);
    // No caption stands beside the box; the unit options say what the value is in.
    input_->setAccessibleName(QStringLiteral("Value to convert"));
    QPushButton* convert = addButton("cmdConvert", "&Convert", table.convert.tooltip,
                                     {table.convert.position.left, table.convert.position.top},
                                     [this] { cmdConvert_Click(); });
    addResetButton(table.reset.tooltip, table.reset.position);
    addOutputButton(table.output.tooltip, table.output.position);
    addBackAndExitButtons(table.back, table.exit);
    pressOnEnter(input_, convert);

    for (const ConversionTable::Output& output : table.outputs) {
        addUnitLabel(addOutputLabel(output.name, output.tooltip, output.rect), output.unitLabelName,
                     output.unitLabelText,
                     {output.unitLabelPosition.left, output.unitLabelPosition.top});
    }
    setOutputDecimals(table.decimals);
}

// A note with a width wraps to it rather than reach past its frame.
void ConversionWindow::addNote(QGroupBox* frame, const ConversionTable::Note& note) {
    const TwipRect rect = note.rectInFrame;
    QLabel* label = addFixedLabel(frame, note.name, note.text, {rect.left, rect.top}, true);
    if (rect.width > 0) {
        const int width = twipsToPixels(rect.width);
        label->setWordWrap(true);
        label->resize(width, label->heightForWidth(width));
    }
}

void ConversionWindow::cmdConvert_Click() {
    if (!numberCheck(input_, QStringLiteral("Please insert a number into the white box"),
                     QStringLiteral("Numerical Value Needed"))) {
        return;
    }
    for (std::size_t unit = 0; unit < options_.size(); ++unit) {
        if (!options_[unit]->isChecked()) {
            continue;
        }
        const auto texts = convertAll(table_, unit, toUtf8(input_->text()), numberLocale());
        if (!texts) {
            reportFault();
            return;
        }
        for (std::size_t i = 0; i < texts->size(); ++i) {
            outputLabels()[i]->setText(fromUtf8((*texts)[i]));
        }
        FormatOutputs();
        return;
    }
}

}  // namespace nimbaro
