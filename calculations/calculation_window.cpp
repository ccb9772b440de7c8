#include "calculation_window.h"

#include <QLabel>
#include <QLineEdit>

#include "locale_bridge.h"
#include "number_text.h"
#include "output_label.h"

namespace nimbaro {

CalculationWindow::CalculationWindow(WindowRegistry& registry, std::string_view windowName,
                                     std::string_view title, TwipSize clientSize,
                                     ResultCheck resultCheck)
    : CalculatorWindow(registry, windowName, title, clientSize), resultCheck_(resultCheck) {}

void CalculationWindow::cmdCalculate_Click() {
    pendingNote_ = {};
    const Outcome outcome = calculate();
    if (outcome.arithmeticRan && !writeOutputs(outcome.values)) {
        // The fault message already tells the user the click failed; the result check would
        // only say it a second time.
        reportFault();
        return;
    }
    if (outcome.arithmeticRan) {
        showResultNote(fromUtf8(pendingNote_));
    }
    if (resultCheck_ == ResultCheck::AfterEveryClick &&
        !isNumeric(toUtf8(outputLabels().front()->text()), numberLocale())) {
        reportFault();
    }
}

void CalculationWindow::noteOutsideRange(std::string_view note) {
    if (pendingNote_.empty()) {
        pendingNote_ = note;
    }
}

std::optional<double> CalculationWindow::checkedNumber(QLineEdit* box, std::string_view name) {
    const QString prompt =
        QStringLiteral("Please insert a number into the white box (%1)").arg(fromUtf8(name));
    if (!numberCheck(box, prompt, QStringLiteral("Numerical Value Needed"))) {
        return std::nullopt;
    }
    return numberIn(box);
}

bool CalculationWindow::rangeCheck(QLineEdit* box, bool inRange, std::string_view prompt,
                                   std::string_view title) {
    if (!inRange) {
        showMessage(fromUtf8(prompt), fromUtf8(title));
        focusAndSelect(box);
    }
    return inRange;
}

bool CalculationWindow::humidityCheck(QLineEdit* box, double humidity) {
    return rangeCheck(box, humidity > 0 && humidity <= 100,
                      "Please insert a number greater than 0 & less than or equal to 100 into "
                      "the white box (Humidity)",
                      "Valid Humidity Value Needed");
}

std::optional<CalculationWindow::Units> CalculationWindow::checkReadings(
    std::span<const Reading> readings, std::span<double> typed) {
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const std::optional<double> number = checkedNumber(readings[i].box, readings[i].name);
        if (!number) {
            return std::nullopt;
        }
        typed[i] = *number;
    }
    bool needsTemperature = false;
    bool needsPressure = false;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const Reading::Kind kind = readings[i].kind;
        if (kind == Reading::Kind::Humidity && !humidityCheck(readings[i].box, typed[i])) {
            return std::nullopt;
        }
        needsTemperature = needsTemperature || kind == Reading::Kind::Temperature;
        needsPressure = needsPressure || kind == Reading::Kind::Pressure;
    }
    const std::optional<TemperatureUnit> temperature = temperatureUnit();
    const std::optional<PressureUnit> pressure = pressureUnit();
    if ((needsTemperature && !temperature) || (needsPressure && !pressure)) {
        return std::nullopt;
    }
    return Units{temperature.value_or(TemperatureUnit::Celsius),
                 pressure.value_or(PressureUnit::Hectopascals)};
}

double CalculationWindow::inWorkingUnit(Reading::Kind kind, double typed, Units units) {
    switch (kind) {
        case Reading::Kind::Temperature:
            return toCelsius(typed, units.temperature);
        case Reading::Kind::Pressure:
            return toHectopascals(typed, units.pressure);
        case Reading::Kind::Humidity:
            break;
    }
    return typed;
}

bool CalculationWindow::writeOutputs(const std::optional<OutputValues>& values) {
    if (!values) {
        return false;
    }
    const auto texts = plainNumberTexts(*values, numberLocale());
    if (!texts) {
        return false;
    }
    for (std::size_t i = 0; i < texts->size(); ++i) {
        outputLabels().at(i)->setText(fromUtf8((*texts)[i]));
    }
    FormatOutputs();
    return true;
}

}  // namespace nimbaro
