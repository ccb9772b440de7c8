#include "method_choice.h"

#include <algorithm>
#include <vector>

#include "text_match.h"

namespace nimbaro {
namespace {

constexpr std::string_view kWindowFormula = "window";

}  // namespace

std::string formulaName(References references) {
    std::string name;
    for (const ReferenceInfo& formula : referenceFormulas()) {
        if (references.uses(formula.reference) && !formula.windowsOwn) {
            name += name.empty() ? "" : ",";
            name += formula.id;
        }
    }
    return name.empty() ? std::string(kWindowFormula) : name;
}

std::optional<References> findFormulas(std::string_view list) {
    if (list == kWindowFormula) {
        return References{};
    }
    References found;
    for (const std::string_view name : commaSeparated(list)) {
        const auto formulas = referenceFormulas();
        const auto formula = std::find_if(
            formulas.begin(), formulas.end(),
            [&](const ReferenceInfo& info) { return info.id == name && !info.windowsOwn; });
        if (formula == formulas.end()) {
            return std::nullopt;
        }
        found = found.with(formula->reference);
    }
    return found;
}

bool usesFormula(const CalculationInfo& calculation, Reference formula) {
    const auto uses = [formula](const MethodInfo& method) {
        return method.references.uses(formula);
    };
    return std::any_of(calculation.methods.begin(), calculation.methods.end(), uses) ||
           std::any_of(calculation.references.begin(), calculation.references.end(), uses);
}

std::string formulaNames(const CalculationInfo& calculation) {
    std::vector<std::string> names = {formulaName({})};
    for (const MethodInfo& method : calculation.references) {
        const std::string name = formulaName(method.references);
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
    }
    std::string list;
    for (const std::string& name : names) {
        list += list.empty() ? "" : ", ";
        list += name;
    }
    return list;
}

namespace {

MethodChoice methodReading(const CalculationInfo& calculation, const GivenInputs& given,
                           References formulas) {
    MethodChoice choice;
    for (const auto group : {calculation.methods, calculation.references}) {
        for (const MethodInfo& method : group) {
            const bool matches = std::ranges::all_of(inputs(), [&](const InputInfo& input) {
                return method.inputs.contains(input.input) ==
                       given[static_cast<std::size_t>(input.input)];
            });
            if (!matches) {
                continue;
            }
            if (method.references == formulas) {
                choice.method = &method;
                return choice;
            }
            choice.sameInputs = &method;
        }
    }
    return choice;
}

}  // namespace

MethodChoice chooseMethod(const CalculationInfo& calculation, const GivenInputs& given,
                          References formulas) {
    const MethodChoice exact = methodReading(calculation, given, formulas);
    const auto pressure = static_cast<std::size_t>(Input::AirPressure);
    if (exact.method != nullptr || exact.sameInputs != nullptr || given[pressure] ||
        !calculation.assumesAirPressure) {
        return exact;
    }
    GivenInputs withPressure = given;
    withPressure[pressure] = true;
    MethodChoice assumed = methodReading(calculation, withPressure, formulas);
    assumed.airPressureAssumed = assumed.method != nullptr;
    return assumed;
}

std::string_view ruleText(Rule rule) {
    switch (rule) {
        case Rule::Number:
            break;
        case Rule::HumidityRange:
            return "is not within 0 < humidity <= 100";
        case Rule::GreaterThanZero:
            return "is not greater than 0";
        case Rule::NotNegative:
            return "is below 0";
    }
    return "is not a number";
}

std::string_view riskName(Risk risk) {
    const std::string_view text = riskText(risk);
    return text.substr(0, text.find(':'));
}

}  // namespace nimbaro
