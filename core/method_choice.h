#pragma once

// How a program on the engine lets its user choose a calculation's method, by the inputs given
// and the formulas named, and the words it answers with: nimbaro-calc's options and the Python
// module's keywords choose alike.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calculations.h"

namespace nimbaro {

// How formulas are named: "nws,psychrometric", or "window" for the windows' own.
std::string formulaName(References references);

// The formulas a list names ("nws,psychrometric", "window"); nothing for a list with a name
// that is no reference formula's, or with "window" beside another name.
std::optional<References> findFormulas(std::string_view list);

// Whether any method of a calculation uses the formula: the old wind chill, say.
bool usesFormula(const CalculationInfo& calculation, Reference formula);

// Every formula of a calculation as formulaName() names it: "window, nws, psychrometric".
std::string formulaNames(const CalculationInfo& calculation);

// Which inputs the user gave.
using GivenInputs = std::array<bool, kInputCount>;

struct MethodChoice {
    const MethodInfo* method = nullptr;  // reads exactly the inputs given, by the formulas named
    // Where there is none: one that reads exactly those inputs, by other formulas.
    const MethodInfo* sameInputs = nullptr;
    // The method also reads an air pressure, which was not given: kStandardAirPressure, in
    // hectopascals, stands in for it.
    bool airPressureAssumed = false;
};

// The method of a calculation that reads exactly the inputs given and uses exactly the formulas
// named, the windows' own among them (the old wind chill's). Where no method reads the inputs
// given, one that reads an air pressure besides them is chosen, the pressure assumed.
MethodChoice chooseMethod(const CalculationInfo& calculation, const GivenInputs& given,
                          References formulas);

// What a number breaking a rule is not: "is not within 0 < humidity <= 100".
std::string_view ruleText(Rule rule);

// A risk category's short name, the text of riskText() before its colon: "Danger", "Low risk".
std::string_view riskName(Risk risk);

}  // namespace nimbaro
