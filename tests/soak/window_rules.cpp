#include "window_rules.h"

#include <map>

#include "calculation_expectations.h"
#include "calculation_forms.h"
#include "conversion_forms.h"
#include "locale_bridge.h"
#include "number_shape.h"
#include "number_text.h"
#include "wind_direction.h"

namespace nimbaro::test {
namespace {

bool isFormatted(const QString& text, int decimals, const NumberLocale& locale) {
    return isFixedNumberText(toUtf8(text), decimals, locale);
}

// A conversion shows the engine's texts, or the fault message and nothing new when a result
// leaves the double range (or the number check fails).
Expectation conversionExpectation(const ConversionForm& form) {
    return [&form](const Screen& before, const QString& button,
                   const NumberLocale& locale) -> std::optional<Outcome> {
        if (button != QLatin1String("cmdConvert")) {
            return std::nullopt;
        }
        for (std::size_t unit = 0; unit < form.options.size(); ++unit) {
            if (!before.isChecked(fromUtf8(form.options[unit].name))) {
                continue;
            }
            const QString input = before.boxes.at(fromUtf8(form.inputName));
            const auto outcome = convert(form.quantity, unit, toUtf8(input), locale);
            const auto* texts = std::get_if<std::vector<std::string>>(&outcome);
            if (texts == nullptr) {
                return Outcome{true, before};
            }
            Outcome shown{false, before};
            for (std::size_t i = 0; i < texts->size(); ++i) {
                shown.screen.labels[fromUtf8(form.outputs[i].name)] = fromUtf8((*texts)[i]);
            }
            return shown;
        }
        return Outcome{false, before};
    };
}

std::optional<std::size_t> checkedPoint(const Screen& screen) {
    for (std::size_t point = 0; point < compassPoints().size(); ++point) {
        if (screen.isChecked("opt" + fromUtf8(compassPoints()[point].abbreviation))) {
            return point;
        }
    }
    return std::nullopt;
}

std::optional<Outcome> windDirectionOutcome(const Screen& before, const QString& button,
                                            const NumberLocale& locale) {
    Outcome outcome{false, before};
    auto& labels = outcome.screen.labels;
    QString& degrees = outcome.screen.boxes["txtInputDegrees"];
    if (button == QLatin1String("cmdConvertRange")) {
        if (const auto point = checkedPoint(before)) {
            labels["lblFrom"] = fromUtf8(boundText(compassPoints()[*point].from, locale));
            labels["lblMidPoint"] = fromUtf8(midPointText(*point, locale));
            labels["lblTo"] = fromUtf8(boundText(compassPoints()[*point].to, locale));
        }
    } else if (button == QLatin1String("cmdResetRange")) {
        labels["lblFrom"] = labels["lblMidPoint"] = labels["lblTo"] = QString();
    } else if (button == QLatin1String("cmdResetDirection")) {
        degrees = labels["lblDirectionAcr"] = labels["lblDirection"] = QString();
    } else if (button == QLatin1String("cmdConvertDirection")) {
        const auto typed = parseNumber(toUtf8(degrees), locale);
        if (!typed) {
            return Outcome{true, before};
        }
        degrees = fromUtf8(wholeDegreesText(*typed, locale));
        const auto whole = parseNumber(toUtf8(degrees), locale);
        const auto point = whole ? compassPointFor(*whole) : std::nullopt;
        if (!point) {
            outcome.message = true;
            return outcome;
        }
        labels["lblDirectionAcr"] = fromUtf8(compassPoints()[*point].abbreviation);
        labels["lblDirection"] = fromUtf8(compassPoints()[*point].name);
    } else {
        return std::nullopt;
    }
    return outcome;
}

bool isWindDirectionForm(const QString& label, const QString& text, const NumberLocale& locale) {
    for (const CompassPoint& point : compassPoints()) {
        const bool matches = label == QLatin1String("lblDirectionAcr")
                                 ? text == fromUtf8(point.abbreviation)
                             : label == QLatin1String("lblDirection") ? text == fromUtf8(point.name)
                             : label == QLatin1String("lblMidPoint")
                                 ? text == QLatin1String("360 or 0") || isFormatted(text, 1, locale)
                                 : text == fromUtf8(boundText(point.from, locale)) ||
                                       text == fromUtf8(boundText(point.to, locale));
        if (matches) {
            return true;
        }
    }
    return false;
}

// Windows that differ from five decimals and labels that clear on a click.
const std::map<QString, WindowRules>& specialWindows() {
    static const std::map<QString, WindowRules> windows = {
        {"frmAreaConversions", {.decimals = 10}},
        {"frmVolumeConversions", {.decimals = 10}},
        {"frmBeaufort", {.decimals = 0}},
        {"frmWindDirection",
         {.labelsClearOnClick = false,
          .showsForm = isWindDirectionForm,
          .expectation = windDirectionOutcome}},
    };
    return windows;
}

}  // namespace

WindowRules rulesFor(const QString& windowName) {
    const auto special = specialWindows().find(windowName);
    WindowRules rules = special == specialWindows().end() ? WindowRules{} : special->second;
    if (!rules.showsForm) {
        rules.showsForm = [decimals = rules.decimals](const QString&, const QString& text,
                                                      const NumberLocale& locale) {
            return isFormatted(text, decimals, locale);
        };
    }
    if (Expectation calculation = calculationExpectation(windowName)) {
        rules.expectation = std::move(calculation);
    }
    for (const ConversionForm* form : conversionForms()) {
        if (fromUtf8(form->windowName) == windowName) {
            rules.expectation = conversionExpectation(*form);
        }
    }
    for (const CalculationForm* form : calculationForms()) {
        if (fromUtf8(form->windowName) == windowName) {
            rules.optionsClearResults = spansCalculations(*form);
        }
    }
    return rules;
}

}  // namespace nimbaro::test
