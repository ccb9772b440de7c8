// The controls of the calculation window, laid out from its form, and the method states.
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <span>

#include "calculation_layout.h"
#include "calculation_window.h"
#include "locale_bridge.h"
#include "output_label.h"
#include "twip_geometry.h"

namespace nimbaro {
namespace {

constexpr int kUnitLabelGap = 120;

// The control at `point` takes its natural size, or the size of its kind.
constexpr TwipRect at(TwipPoint point) {
    return {point.left, point.top};
}

// How the window names the unit of the method's output on `row`; empty where it gives none.
QString unitLabel(Method method, std::size_t row) {
    const std::span<const UnitRef> units = calculationInfo(methodInfo(method).calculation).outputs;
    return row < units.size() ? fromUtf8(units[row].unit().label) : QString();
}

// A box the method does not use is greyed like the border of an active window: the 3-D face
// colour of the platform's palette.
constexpr QPalette::ColorRole kUnusedBoxRole = QPalette::Button;

}  // namespace

CalculationWindow::CalculationWindow(WindowRegistry& registry, const CalculationForm& form)
    : CalculationWindow(registry, form, CalculationLayout(form)) {}

CalculationWindow::CalculationWindow(WindowRegistry& registry, const CalculationForm& form,
                                     const CalculationLayout& layout)
    : CalculatorWindow(registry, form.windowName, form.title, layout.clientSize()),
      resultCheck_(form.resultCheck) {
    addMethods(form, layout);
    addUnitGroups(form, layout);
    addInputs(form, layout);
    addOutputs(form, layout);
    addQuietLines(form, layout);
    addCommandButtons(form, layout);
    selectDefaults();
}

void CalculationWindow::addMethods(const CalculationForm& form, const CalculationLayout& layout) {
    const TwipRect rect = layout.methodFrame();
    QGroupBox* frame = addFrame(form.methodFrame.name, form.methodFrame.caption, {}, rect);
    for (const CalculationForm::MethodOption& method : form.methods) {
        const int row = static_cast<int>(methods_.size());
        QRadioButton* option = addOption(frame, method.name, method.caption, method.tooltip,
                                         at(CalculationLayout::option(rect, row)));
        methods_.push_back({option, method.method});
        connect(option, &QRadioButton::toggled, this, [this, option](bool selected) {
            if (selected) {
                onMethodClicked(option);
            }
        });
    }
    if (!form.pressureNote.empty()) {
        addPressureNote(frame, form.pressureNote, layout.pressureNote());
    }
}

void CalculationWindow::addPressureNote(QGroupBox* frame, std::string_view name,
                                        TwipRect rectInFrame) {
    auto* note = new QLabel(
        QStringLiteral("# If Air Pressure is unavailable use 1013.25 Hectopascals/Millibars"),
        frame);
    note->setObjectName(fromUtf8(name));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setGeometry(toPixels(rectInFrame));
}

void CalculationWindow::addUnitGroups(const CalculationForm& form,
                                      const CalculationLayout& layout) {
    for (const CalculationForm::UnitGroup& group : form.unitGroups) {
        const TwipRect rect = layout.unitFrame(unitGroups_.size());
        QGroupBox* frame = addFrame(group.frameName, group.caption, group.tooltip, rect);
        UnitButtons& buttons = unitGroups_.emplace_back(UnitButtons{&group, {}});
        for (const CalculationForm::UnitOption& unit : group.options) {
            const int row = static_cast<int>(buttons.options.size());
            buttons.options.push_back({addOption(frame, unit.name, unit.caption, unit.tooltip,
                                                 at(CalculationLayout::option(rect, row))),
                                       unit.unit});
        }
    }
}

void CalculationWindow::addInputs(const CalculationForm& form, const CalculationLayout& layout) {
    for (const CalculationForm::InputRow& row : form.inputs) {
        const int line = static_cast<int>(inputs_.size());
        QLabel* caption =
            addFixedLabel(this, row.labelName, row.caption, at(layout.inputCaption(line)));
        QLineEdit* box = addInputBox(row.boxName, row.tooltip, at(layout.inputBox(line)));
        // The caption names the box for a screen reader.
        caption->setBuddy(box);
        inputs_.push_back({row.input, box, row.messageName});
    }
}

void CalculationWindow::addOutputs(const CalculationForm& form, const CalculationLayout& layout) {
    if (!form.outputHeading.name.empty()) {
        addFixedLabel(this, form.outputHeading.name, form.outputHeading.caption,
                      at(layout.outputHeading()));
    }
    for (std::size_t index = 0; index < form.outputs.size(); ++index) {
        const CalculationForm::Output& output = form.outputs[index];
        const TwipPoint position = layout.output(index);
        OutputLabel* label = addOutputLabel(output.name, output.tooltip, at(position));
        const int outputEnd = pixelsToTwips(label->geometry().right() + 1);
        const QString first = unitLabel(form.methods.front().method, index);
        QLabel* unit = addUnitLabel(label, output.unitLabelName, toUtf8(first),
                                    {outputEnd + kUnitLabelGap, position.top});
        // Wide enough for the unit of every method, so that the window makes room for each.
        for (const CalculationForm::MethodOption& method : form.methods) {
            unit->setText(unitLabel(method.method, index));
            unit->resize(unit->sizeHint().expandedTo(unit->size()));
        }
        unit->setText(first);
        outputs_.push_back({label, unit});
    }
    shownCalculation_ = methodInfo(form.methods.front().method).calculation;
    tooltipsNameUnits_ = spansCalculations(form);
}

void CalculationWindow::showOutputUnits(Method method) {
    // A result of another calculation must not stand under this one's name, even in the same
    // units.
    const Calculation calculation = methodInfo(method).calculation;
    if (calculation != shownCalculation_) {
        onOutputClicked();
        shownCalculation_ = calculation;
    }
    for (std::size_t row = 0; row < outputs_.size(); ++row) {
        const OutputRow& output = outputs_[row];
        const QString unit = unitLabel(method, row);
        output.unit->setText(unit);
        output.output->setUnitName(unit);
        if (tooltipsNameUnits_) {
            output.output->setToolTip(unit.isEmpty() ? QString()
                                                     : unit + QStringLiteral(" Output Number"));
        }
    }
}

void CalculationWindow::addQuietLines(const CalculationForm& form,
                                      const CalculationLayout& layout) {
    const NumberLocale locale = numberLocale();
    const std::vector<UnitChoice> unitChoices = possibleUnits();
    std::vector<MethodInfo> offered;
    for (const MethodButton& button : methods_) {
        offered.push_back(methodInfo(button.method));
    }
    for (const CalculationForm::QuietLine& line : form.quietLines) {
        std::vector<std::string> texts;
        switch (line.says) {
            case CalculationForm::QuietLine::Says::RangeNote:
                for (const RangeNote note : possibleNotes(offered)) {
                    for (const UnitChoice& units : unitChoices) {
                        texts.push_back(noteText(note, units, locale));
                    }
                }
                addResultNote(layout.quietLine(line.says), texts, true);
                break;
            case CalculationForm::QuietLine::Says::Risk:
                for (const Risk risk : line.risks) {
                    texts.emplace_back(riskText(risk));
                }
                addRiskLine(layout.quietLine(line.says), texts);
                break;
        }
    }
    addRemarkLine();
}

void CalculationWindow::addCommandButtons(const CalculationForm& form,
                                          const CalculationLayout& layout) {
    const CalculationForm::CommandTooltips& tooltips = form.commandTooltips;
    QPushButton* calculate =
        addButton("cmdCalculate", "&Calculate", tooltips.calculate, at(layout.calculateButton()),
                  [this] { onCalculateClicked(); });
    for (QLineEdit* input : inputBoxes()) {
        pressOnEnter(input, calculate);
    }
    addResetButton(tooltips.reset, layout.resetButton());
    addOutputButton(tooltips.output, layout.outputButton());
    addBackAndExitButtons(layout.backButton(), layout.exitButton());
}

void CalculationWindow::selectDefaults() {
    methods_.front().option->setChecked(true);
    for (const UnitButtons& buttons : unitGroups_) {
        if (!(buttons.group->defaultOnEnabling && readBySomeMethods(buttons.group->inputs))) {
            buttons.options.front().option->setChecked(true);
        }
    }
}

bool CalculationWindow::readBySomeMethods(std::span<const Input> inputs) const {
    const auto readBy = [inputs](const MethodButton& button) {
        return std::any_of(inputs.begin(), inputs.end(),
                           [&button](Input input) { return reads(button.method, input); });
    };
    return std::any_of(methods_.begin(), methods_.end(), readBy) &&
           !std::all_of(methods_.begin(), methods_.end(), readBy);
}

void CalculationWindow::onMethodClicked(const QRadioButton* option) {
    const auto clicked =
        std::find_if(methods_.begin(), methods_.end(),
                     [option](const MethodButton& button) { return button.option == option; });
    if (clicked == methods_.end()) {
        return;
    }
    const Method method = clicked->method;
    const bool selected = option->isChecked();
    const auto used = [&](std::span<const Input> inputs) {
        return std::any_of(inputs.begin(), inputs.end(),
                           [method](Input input) { return reads(method, input); }) == selected;
    };
    if (selected) {
        showOutputUnits(method);
    }
    MethodState state;
    for (const InputBox& input : inputs_) {
        const std::span<const Input> only(&input.input, 1);
        if (readBySomeMethods(only)) {
            (used(only) ? state.used : state.unused).push_back(input.box);
        }
    }
    for (const UnitButtons& buttons : unitGroups_) {
        const std::vector<Input>& inputs = buttons.group->inputs;
        if (!readBySomeMethods(inputs)) {
            continue;
        }
        auto& options = used(inputs) ? state.enabledOptions : state.disabledOptions;
        for (const UnitButton& button : buttons.options) {
            options.push_back(button.option);
        }
        if (used(inputs) && buttons.group->defaultOnEnabling) {
            state.selects.push_back(buttons.options.front().option);
        }
    }
    applyMethodState(state);
}

void CalculationWindow::applyMethodState(const MethodState& state) {
    for (QLineEdit* box : state.used) {
        paintBox(box, true);
    }
    for (QLineEdit* box : state.unused) {
        paintBox(box, false);
    }
    for (QRadioButton* option : state.enabledOptions) {
        option->setEnabled(true);
    }
    for (QRadioButton* option : state.disabledOptions) {
        option->setEnabled(false);
    }
    for (QRadioButton* option : state.selects) {
        option->setChecked(true);
    }
}

void CalculationWindow::changeEvent(QEvent* event) {
    CalculatorWindow::changeEvent(event);
    if (event->type() != QEvent::PaletteChange) {
        return;
    }
    for (QLineEdit* box : inputBoxes()) {
        if (box->testAttribute(Qt::WA_SetPalette)) {
            paintBox(box, box->isEnabledTo(this));
        }
    }
}

void CalculationWindow::paintBox(QLineEdit* box, bool used) {
    box->setEnabled(used);
    QPalette boxPalette = box->palette();
    boxPalette.setColor(QPalette::Base,
                        palette().color(QPalette::Active, used ? QPalette::Base : kUnusedBoxRole));
    box->setPalette(boxPalette);
}

}  // namespace nimbaro
