// The controls of a calculation window: option groups, method states, inputs, outputs and
// command buttons.
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>

#include "calculation_window.h"
#include "locale_bridge.h"
#include "output_label.h"
#include "twip_geometry.h"

namespace nimbaro {
namespace {

constexpr int kOptionIndent = 240;
constexpr int kFirstOptionTop = 360;
constexpr int kOptionPitch = 360;
constexpr int kUnitLabelGap = 120;

// A box the method does not use is greyed like the border of an active window: the 3-D face
// colour of the platform's palette.
constexpr QPalette::ColorRole kUnusedBoxRole = QPalette::Button;

constexpr std::array<ControlText, 3> kTemperatureOptions = {{
    {"optCelsius", "Celsiu&s", "Calculate Using Celsius"},
    {"optFahrenheit", "&Fahrenheit", "Calculate Using Fahrenheit"},
    {"optKelvin", "&Kelvin", "Calculate Using Kelvin"},
}};

// Each output label; its caption here is that of the unit label beside it.
constexpr std::array<ControlText, 3> kTemperatureOutputs = {{
    {"lblCelsius", "Celsius", "Celsius Output Number"},
    {"lblFahrenheit", "Fahrenheit", "Fahrenheit Output Number"},
    {"lblKelvin", "Kelvin", "Kelvin Output Number"},
}};

}  // namespace

QRadioButton* CalculationWindow::addMethodOption(QGroupBox* frame, std::string_view name,
                                                 std::string_view caption, std::string_view tooltip,
                                                 TwipRect rect) {
    QRadioButton* option = addOption(frame, name, caption, tooltip, rect);
    methodOptions_.push_back(option);
    connect(option, &QRadioButton::toggled, this, [this, option](bool selected) {
        if (selected) {
            applyMethodOf(option);
        }
    });
    return option;
}

bool CalculationWindow::readBySomeMethods(Input input) const {
    const auto methods = calculationInfo(calculation_).methods;
    const auto readBy = [input](const MethodInfo& method) { return reads(method.method, input); };
    return std::any_of(methods.begin(), methods.end(), readBy) &&
           !std::all_of(methods.begin(), methods.end(), readBy);
}

void CalculationWindow::applyMethodOf(const QRadioButton* option) {
    const auto index = static_cast<std::size_t>(
        std::find(methodOptions_.begin(), methodOptions_.end(), option) - methodOptions_.begin());
    const Method method = calculationInfo(calculation_).methods[index].method;
    const bool selected = option->isChecked();
    MethodState state;
    const auto used = [&](Input input) { return reads(method, input) == selected; };
    for (const InputBox& input : inputs_) {
        if (readBySomeMethods(input.input)) {
            (used(input.input) ? state.used : state.unused).push_back(input.box);
        }
    }
    if (readBySomeMethods(Input::AirTemperature)) {
        (used(Input::AirTemperature) ? state.enabledOptions : state.disabledOptions) =
            temperatureOptions_;
    }
    if (readBySomeMethods(Input::AirPressure)) {
        if (used(Input::AirPressure)) {
            state.enabledOptions = pressureOptions_;
            state.selects = pressureOptions_.front();
        } else {
            state.disabledOptions = pressureOptions_;
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
    if (state.selects != nullptr) {
        state.selects->setChecked(true);
    }
}

void CalculationWindow::selectDefaults() {
    methodOptions_.front()->setChecked(true);
    temperatureOptions_.front()->setChecked(true);
    if (!pressureOptions_.empty() && !readBySomeMethods(Input::AirPressure)) {
        pressureOptions_.front()->setChecked(true);
    }
}

void CalculationWindow::addMethodNotes(TwipRect rect) {
    std::vector<std::string_view> texts;
    for (const RangeNote note : possibleNotes(calculationInfo(calculation_).methods)) {
        texts.push_back(noteText(note));
    }
    addResultNote(rect, texts);
}

std::vector<QRadioButton*> CalculationWindow::addOptionFrame(std::string_view frameName,
                                                             std::string_view caption,
                                                             std::string_view tooltip,
                                                             TwipRect rect,
                                                             std::span<const ControlText> options) {
    QGroupBox* frame = addFrame(frameName, caption, tooltip, rect);
    std::vector<QRadioButton*> added;
    for (const ControlText& text : options) {
        const int row = static_cast<int>(added.size());
        added.push_back(addOption(
            frame, text.name, text.caption, text.tooltip,
            {rect.left + kOptionIndent, rect.top + kFirstOptionTop + row * kOptionPitch}));
    }
    return added;
}

void CalculationWindow::addMethodFrame(std::string_view frameName, std::string_view caption,
                                       TwipRect rect, std::span<const ControlText> options) {
    methodOptions_ = addOptionFrame(frameName, caption, {}, rect, options);
}

void CalculationWindow::addTemperatureFrame(std::string_view frameName, TwipRect rect,
                                            bool withTooltips) {
    std::array<ControlText, kTemperatureOptions.size()> options = kTemperatureOptions;
    if (!withTooltips) {
        for (ControlText& option : options) {
            option.tooltip = {};
        }
    }
    temperatureOptions_ = addOptionFrame(frameName, "Temperature Data", {}, rect, options);
}

void CalculationWindow::addPressureFrame(std::string_view hectopascalsName, TwipRect rect) {
    const std::array<ControlText, 3> options = {{
        {hectopascalsName, "Hectopascals/ &Millibars"},
        {"optmmOfHg", "mm &of Hg"},
        {"optinOfHg", "i&n of Hg"},
    }};
    pressureOptions_ = addOptionFrame("fmeAirPressure", "Air Pressure Data",
                                      "Select Data Type Here", rect, options);
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

QLineEdit* CalculationWindow::addInput(Input input, std::string_view messageName,
                                       std::string_view name, TwipPoint box,
                                       std::string_view labelName, std::string_view labelText,
                                       TwipPoint label, std::string_view tooltip) {
    QLabel* caption = addFixedLabel(this, labelName, labelText, {label.left, label.top});
    QLineEdit* added = addInputBox(name, tooltip, {box.left, box.top});
    // The caption names the box for a screen reader.
    caption->setBuddy(added);
    inputs_.push_back({input, added, messageName});
    return added;
}

void CalculationWindow::addOutput(std::string_view name, std::string_view tooltip,
                                  TwipPoint position, std::string_view unitLabelName,
                                  std::string_view unitText) {
    OutputLabel* output = addOutputLabel(name, tooltip, {position.left, position.top});
    const int outputEnd = pixelsToTwips(output->geometry().right() + 1);
    addUnitLabel(output, unitLabelName, unitText, {outputEnd + kUnitLabelGap, position.top});
}

void CalculationWindow::addTemperatureOutputs(
    TwipPoint first, int pitch, const std::array<std::string_view, 3>& unitLabelNames) {
    for (std::size_t row = 0; row < kTemperatureOutputs.size(); ++row) {
        const ControlText& unit = kTemperatureOutputs[row];
        addOutput(unit.name, unit.tooltip, {first.left, first.top + static_cast<int>(row) * pitch},
                  unitLabelNames[row], unit.caption);
    }
}

void CalculationWindow::addCommandButtons(const CommandButtons& buttons) {
    QPushButton* calculate = addButton("cmdCalculate", "&Calculate", buttons.calculateTooltip,
                                       {buttons.calculate.left, buttons.calculate.top},
                                       [this] { onCalculateClicked(); });
    for (QLineEdit* input : inputBoxes()) {
        pressOnEnter(input, calculate);
    }
    addResetButton(buttons.resetTooltip, buttons.reset);
    addOutputButton(buttons.outputTooltip, buttons.output);
    addBackAndExitButtons(buttons.back, buttons.exit);
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
