#pragma once

#include <string>

#include "calculations.h"
#include "quantities.h"

namespace nimbaro::cli {

// Every unit of a quantity, one line each: its name and symbol, then what else it answers to.
std::string unitList(const Quantity& quantity);
// The options of a method's inputs: "--air-temperature --humidity".
std::string inputSet(const MethodInfo& method);
// The sets of inputs a calculation takes, one line each.
std::string methodList(const CalculationInfo& calculation);
// The reference formulas of a calculation: what each is and where it comes from, and the
// input sets each applies to.
std::string formulaList(const CalculationInfo& calculation);
// Each calculation with its sets of inputs: "  dew-point: --air-temperature --humidity; or
// --air-temperature --wet-bulb --air-pressure".
std::string calculationIds();

}  // namespace nimbaro::cli
