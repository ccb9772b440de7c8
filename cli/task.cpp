#include "task.h"

#include <algorithm>
#include <array>

#include "number_text.h"
#include "result_text.h"

namespace nimbaro::cli {
namespace {

constexpr std::array kInputOptions = {
    InputOption{Input::Value, "--value", "value"},
    InputOption{Input::AirTemperature, "--air-temperature", "air temperature"},
    InputOption{Input::Humidity, "--humidity", "humidity"},
    InputOption{Input::DewPoint, "--dew-point", "dew point"},
    InputOption{Input::WetBulb, "--wet-bulb", "wet bulb"},
    InputOption{Input::AirPressure, "--air-pressure", "air pressure"},
    InputOption{Input::WindSpeed, "--wind-speed", "wind speed"},
    InputOption{Input::Time, "--seconds", "time"},
};

constexpr Input kValue[] = {Input::Value};

}  // namespace

const InputOption& inputOption(Input input) {
    return kInputOptions[static_cast<std::size_t>(input)];
}

std::string_view ruleText(Rule rule) {
    switch (rule) {
        case Rule::Number:
            break;
        case Rule::HumidityRange:
            return "is not within 0 < humidity <= 100";
        case Rule::GreaterThanZero:
            return "is not greater than 0";
    }
    return "is not a number";
}

namespace {

constexpr std::string_view kWindowFormula = "window";

}  // namespace

std::string formulaName(References references) {
    std::string name;
    for (const ReferenceInfo& formula : referenceFormulas()) {
        if (references.uses(formula.reference)) {
            name += (name.empty() ? "" : ",") + std::string(formula.id);
        }
    }
    return name.empty() ? std::string(kWindowFormula) : name;
}

std::optional<References> findFormulas(std::string_view list) {
    if (list == kWindowFormula) {
        return References{};
    }
    References found;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string_view name = list.substr(start, end - start);
        const auto formulas = referenceFormulas();
        const auto formula =
            std::find_if(formulas.begin(), formulas.end(),
                         [&](const ReferenceInfo& info) { return info.id == name; });
        if (formula == formulas.end()) {
            return std::nullopt;
        }
        found = found.with(formula->reference);
        start = end + 1;
    }
    return found;
}

std::span<const Input> Task::inputs() const {
    if (quantity != nullptr) {
        return kValue;
    }
    return methodInfo(method).inputs;
}

std::vector<std::string_view> Task::outputNames() const {
    std::vector<std::string_view> names;
    if (quantity == nullptr) {
        for (const UnitRef& output : calculation->outputs) {
            names.push_back(output.unit().label);
        }
    } else if (onlyUnit) {
        names.push_back(quantity->units[*onlyUnit].label);
    } else {
        for (const Unit& unit : quantity->units) {
            names.push_back(unit.label);
        }
    }
    return names;
}

std::vector<std::string> Task::columnTitles() const {
    const std::string_view what = quantity != nullptr ? quantity->name : calculation->name;
    std::vector<std::string> titles;
    for (const std::string_view name : outputNames()) {
        titles.push_back(std::string(what) + " " + std::string(name));
    }
    return titles;
}

Outcome<Results> compute(const Task& task, const Readings& readings, const NumberLocale& shown) {
    Results results;
    if (task.quantity != nullptr) {
        const NumberLocale& read = readings.locale();
        auto converted = convert(*task.quantity, task.fromUnit, readings.text(Input::Value), read);
        if (auto* texts = std::get_if<std::vector<std::string>>(&converted)) {
            if (task.onlyUnit) {
                results.texts.push_back(std::move((*texts)[*task.onlyUnit]));
            } else {
                results.texts = std::move(*texts);
            }
            if (shown.groupSeparator != read.groupSeparator) {
                for (std::string& text : results.texts) {
                    text = copyableText(text, read);
                }
            }
            return results;
        }
        if (const auto* fault = std::get_if<InputFault>(&converted)) {
            return *fault;
        }
        return ComputationFault{};
    }
    auto calculated = calculate(task.method, readings, task.units);
    if (auto* values = std::get_if<Calculated>(&calculated)) {
        results.texts.reserve(values->values.size());
        for (const double value : values->values) {
            results.texts.push_back(resultText(value, task.calculation->decimals, shown));
        }
        results.note = values->note;
        results.risk = values->risk;
        return results;
    }
    if (const auto* fault = std::get_if<InputFault>(&calculated)) {
        return *fault;
    }
    return ComputationFault{};
}

}  // namespace nimbaro::cli
