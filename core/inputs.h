#pragma once

// What each input a person types is, one row per input: nimbaro-calc makes its options from
// the rows (--air-temperature), the Python module its keywords (air_temperature), and the
// windows learn from them which inputs each group of unit options sets the unit of.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "faults.h"
#include "quantities.h"

namespace nimbaro {

struct InputInfo {
    Input input;
    std::string_view id;    // "air-temperature": stable, for options and keywords
    std::string_view name;  // "air temperature": its proper name, for messages
    std::string_view description;  // "wet-bulb temperature": what it is, for a program's help
    // The unit it is typed in unless another of its quantity is chosen; none for a conversion's
    // value, which is typed in the unit it is converted from.
    std::optional<UnitRef> unit;
};

// Every input, in the order of Input.
std::span<const InputInfo> inputs();
const InputInfo& inputInfo(Input input);

// The inputs typed in units of a quantity: the air temperature, dew point and wet bulb in
// temperatures.
std::vector<Input> inputsTypedIn(const Quantity& quantity);

// An id ("air-temperature", "dew-point") as a name in a programming language: air_temperature.
std::string identifierOf(std::string_view id);

}  // namespace nimbaro
