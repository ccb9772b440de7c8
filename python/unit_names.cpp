#include "unit_names.h"

#include <optional>
#include <stdexcept>

#include "text_match.h"

namespace nimbaro::python {
namespace {

// The unit of a quantity that `typed` names, or an error that says which come nearest, as
// nimbaro-calc says it.
std::size_t knownUnit(const Quantity& quantity, std::string_view typed, std::string_view keyword) {
    const UnitLookup lookup = lookUpUnit(quantity, typed);
    if (lookup.unit) {
        return *lookup.unit;
    }
    const std::string refused = std::string(keyword) + ": '" + std::string(typed) + "' is no " +
                                asciiLowerCase(quantity.name) + " unit; ";
    if (lookup.instead) {
        throw std::invalid_argument(refused + "use '" + std::string(*lookup.instead) + "'");
    }
    throw std::invalid_argument(refused + "the nearest are " + lookup.nearest +
                                " (nimbaro.units('" + std::string(quantity.id) +
                                "') lists them all)");
}

template <typename CalculationUnit>
CalculationUnit calculationUnit(std::optional<CalculationUnit> (*find)(std::string_view),
                                const Quantity& quantity, std::string_view typed,
                                std::string_view keyword) {
    if (const std::optional<CalculationUnit> unit = find(typed)) {
        return *unit;
    }
    knownUnit(quantity, typed, keyword);  // says which units come nearest
    throw std::invalid_argument(std::string(keyword) + ": '" + std::string(typed) +
                                "' is no unit this calculation takes");
}

}  // namespace

UnitChoice unitChoice(std::string_view temperature, std::string_view pressure,
                      std::string_view windSpeed, std::string_view elevation) {
    return UnitChoice{
        .temperature =
            calculationUnit(findTemperatureUnit, temperatureQuantity(), temperature, "unit"),
        .pressure =
            calculationUnit(findPressureUnit, airPressureQuantity(), pressure, "pressure_unit"),
        .windSpeed =
            calculationUnit(findWindSpeedUnit, windSpeedQuantity(), windSpeed, "speed_unit"),
        .length = calculationUnit(findLengthUnit, lengthQuantity(), elevation, "elevation_unit"),
    };
}

std::vector<std::string> outputIds(const CalculationInfo& calculation) {
    std::vector<std::string> ids;
    for (const UnitRef& output : calculation.outputs) {
        ids.emplace_back(output.unit().id);
    }
    return ids;
}

std::size_t outputIndex(const CalculationInfo& calculation, std::string_view typed) {
    // A calculation's outputs share one quantity.
    const std::span<const UnitRef> outputs = calculation.outputs;
    const std::size_t unit = knownUnit(outputs.front().quantity(), typed, "to");
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        if (outputs[i].index == unit) {
            return i;
        }
    }
    throw std::invalid_argument("to: " + std::string(calculation.id) + " gives no result in '" +
                                std::string(typed) + "'");
}

std::vector<std::string> unitIds(const Quantity& quantity) {
    std::vector<std::string> ids;
    for (const Unit& unit : quantity.units) {
        ids.emplace_back(unit.id);
    }
    return ids;
}

std::size_t unitIndex(const Quantity& quantity, std::string_view typed, std::string_view keyword) {
    return knownUnit(quantity, typed, keyword);
}

}  // namespace nimbaro::python
