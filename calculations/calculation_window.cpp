#include "calculation_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <variant>

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
        case Rule::NotNegative:
            return {QStringLiteral("Please insert a number of 0 or more into the white box (%1)")
                        .arg(name),
                    QStringLiteral("Positive Value Needed")};
        case Rule::Number:
            break;
    }
    return {QStringLiteral("Please insert a number into the white box (%1)").arg(name),
            QStringLiteral("Numerical Value Needed")};
}

void choose(UnitChoice& units, TemperatureUnit unit) {
    units.temperature = unit;
}

void choose(UnitChoice& units, PressureUnit unit) {
    units.pressure = unit;
}

void choose(UnitChoice& units, WindSpeedUnit unit) {
    units.windSpeed = unit;
}

void choose(UnitChoice& units, LengthUnit unit) {
    units.length = unit;
}

}  // namespace

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
        const int decimals = calculationInfo(methodInfo(method).calculation).decimals;
        std::vector<std::string> texts;
        for (const double value : calculated->values) {
            texts.push_back(resultText(value, decimals, locale));
        }
        // A row the method gives no output for is written empty.
        texts.resize(outputLabels().size());
        showResults(texts);
        showResultNote(calculated->note
                           ? fromUtf8(noteText(*calculated->note, calculated->typed.units, locale))
                           : QString(),
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
    if (resultCheck_ == CalculationForm::ResultCheck::AfterEveryClick &&
        !isNumeric(toUtf8(outputLabels().front()->text()), locale)) {
        reportFault();
    }
}

Method CalculationWindow::selectedMethod() const {
    const auto selected =
        std::find_if(methods_.begin(), methods_.end(),
                     [](const MethodButton& button) { return button.option->isChecked(); });
    return selected == methods_.end() ? methods_.front().method : selected->method;
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

// A group with nothing selected leaves the engine's unit, which only a method that reads none
// of the group's inputs meets.
UnitChoice CalculationWindow::selectedUnits() const {
    UnitChoice units;
    for (const UnitButtons& group : unitGroups_) {
        for (const UnitButton& button : group.options) {
            if (button.option->isChecked()) {
                std::visit([&units](auto unit) { choose(units, unit); }, button.unit);
                break;
            }
        }
    }
    return units;
}

std::vector<UnitChoice> CalculationWindow::possibleUnits() const {
    std::vector<UnitChoice> choices{UnitChoice{}};
    for (const UnitButtons& group : unitGroups_) {
        std::vector<UnitChoice> withGroup;
        for (const UnitChoice& choice : choices) {
            for (const UnitButton& button : group.options) {
                UnitChoice& units = withGroup.emplace_back(choice);
                std::visit([&units](auto unit) { choose(units, unit); }, button.unit);
            }
        }
        choices = std::move(withGroup);
    }
    return choices;
}

}  // namespace nimbaro
