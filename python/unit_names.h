#pragma once

// Every name the Python module takes or gives for a unit, in one place: the units a
// calculation's inputs are typed in, the keys of its results and the units of a conversion,
// named as nimbaro-calc names them. A name that is no unit's throws std::invalid_argument,
// which Python sees as a ValueError.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calculations.h"
#include "quantities.h"

namespace nimbaro::python {

// The units named by the keywords unit, pressure_unit, speed_unit and elevation_unit.
UnitChoice unitChoice(std::string_view temperature, std::string_view pressure,
                      std::string_view windSpeed, std::string_view elevation);

// The id of each output of a calculation, in its order: "celsius", "percent", "metres".
std::vector<std::string> outputIds(const CalculationInfo& calculation);

// The output of a calculation that `typed` names by any name of its unit ("F", "degF").
std::size_t outputIndex(const CalculationInfo& calculation, std::string_view typed);

// The id of each unit of a quantity, in its order.
std::vector<std::string> unitIds(const Quantity& quantity);

// The unit of a quantity that `typed` names; `keyword` says where it was given.
std::size_t unitIndex(const Quantity& quantity, std::string_view typed, std::string_view keyword);

}  // namespace nimbaro::python
