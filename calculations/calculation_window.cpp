#include "calculation_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <array>

#include "locale_bridge.h"
#include "number_text.h"
#include "output_label.h"

namespace nimbaro {
namespace {

struct Message {
    QString prompt;
    QString title;
};

Message messageFor(InputFault fault, std::string_view boxName) {
    const QString name = fromUtf8(boxName);
    switch (fault.rule) {
        case Rule::HumidityRange:
            return {QStringLiteral("Please insert a number greater than 0 & less than or equal "
                                   "to 100 into the white box (%1)")
                        .arg(name),
                    QStringLiteral("Valid Humidity Value Needed")};
        case Rule::GreaterThanZero:
            return {QStringLiteral("Please insert a number greater than 0 into the white box (%1)")
                        .arg(name),
                    fault.input == Input::Time ? QStringLiteral("Valid Time Value Needed")
                                               : QStringLiteral("Positive Value Needed")};
        case Rule::Number:
            break;
    }
    return {QStringLiteral("Please insert a number into the white box (%1)").arg(name),
            QStringLiteral("Numerical Value Needed")};
}

}  // namespace

CalculationWindow::CalculationWindow(WindowRegistry& registry, std::string_view windowName,
                                     std::string_view title, TwipSize clientSize,
                                     Calculation calculation, ResultCheck resultCheck)
    : CalculatorWindow(registry, windowName, title, clientSize),
      calculation_(calculation),
      resultCheck_(resultCheck) {}

void CalculationWindow::onCalculateClicked() {
    const Method method = selectedMethod();
    const NumberLocale locale = numberLocale();
    // The readings look into these texts.
    std::vector<std::string> typed;
    typed.reserve(inputs_.size());
    Readings readings(locale);
    for (const InputBox& input : inputs_) {
        if (reads(method, input.input)) {
            readings.set(input.input, typed.emplace_back(toUtf8(input.box->text())));
        }
    }
    const Outcome<Calculated> outcome = calculate(method, readings, selectedUnits());
    if (const auto* calculated = std::get_if<Calculated>(&outcome)) {
        std::vector<std::string> texts;
        for (const double value : calculated->values) {
            texts.push_back(resultText(value, calculationInfo(calculation_).decimals, locale));
        }
        showResults(texts);
        showResultNote(calculated->note ? fromUtf8(noteText(*calculated->note)) : QString(),
                       calculated->risk ? fromUtf8(riskText(*calculated->risk)) : QString(),
                       fromUtf8(remarkLine(*calculated, locale)));
    } else if (const auto* fault = std::get_if<InputFault>(&outcome)) {
        showInputFault(*fault);
    } else {
        // The fault message already tells the user the click failed; the result check would
        // only say it a second time.
        reportFault();
        return;
    }
    if (resultCheck_ == ResultCheck::AfterEveryClick &&
        !isNumeric(toUtf8(outputLabels().front()->text()), locale)) {
        reportFault();
    }
}

Method CalculationWindow::selectedMethod() const {
    return calculationInfo(calculation_).methods[selectedIndex(methodOptions_)].method;
}

const CalculationWindow::InputBox& CalculationWindow::inputBox(Input input) const {
    return *std::find_if(inputs_.begin(), inputs_.end(),
                         [input](const InputBox& box) { return box.input == input; });
}

void CalculationWindow::showInputFault(InputFault fault) {
    const InputBox& input = inputBox(fault.input);
    const Message message = messageFor(fault, input.messageName);
    showMessage(message.prompt, message.title);
    focusAndSelect(input.box);
}

UnitChoice CalculationWindow::selectedUnits() const {
    // In the order of the options.
    constexpr std::array kTemperatureUnits = {TemperatureUnit::Celsius, TemperatureUnit::Fahrenheit,
                                              TemperatureUnit::Kelvin};
    constexpr std::array kPressureUnits = {PressureUnit::Hectopascals,
                                           PressureUnit::MillimetresOfMercury,
                                           PressureUnit::InchesOfMercury};
    UnitChoice units;
    if (!temperatureOptions_.empty()) {
        units.temperature = kTemperatureUnits.at(selectedIndex(temperatureOptions_));
    }
    if (!pressureOptions_.empty()) {
        units.pressure = kPressureUnits.at(selectedIndex(pressureOptions_));
    }
    return units;
}

std::size_t CalculationWindow::selectedIndex(const std::vector<QRadioButton*>& options) {
    const auto selected =
        std::find_if(options.begin(), options.end(),
                     [](const QRadioButton* option) { return option->isChecked(); });
    return selected == options.end() ? 0 : static_cast<std::size_t>(selected - options.begin());
}

}  // namespace nimbaro
