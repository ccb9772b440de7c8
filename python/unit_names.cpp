#include "unit_names.h"

#include <optional>
#include <stdexcept>

#include "text_match.h"

namespace nimbaro::python {
namespace {

// The quantities whose units a calculation's outputs are in; the humidity's percent is in none.
const Quantity* const kOutputQuantities[] = {&temperatureQuantity(), &lengthQuantity()};

std::string lowerCase(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower;
}

std::string idList(const std::vector<std::string>& ids) {
    std::string list;
    for (const std::string& id : ids) {
        list += list.empty() ? "" : ", ";
        list += id;
    }
    return list;
}

std::invalid_argument unknown(std::string_view keyword, std::string_view typed,
                              std::string_view what, const std::vector<std::string>& ids) {
    return std::invalid_argument(std::string(keyword) + ": '" + std::string(typed) + "' is no " +
                                 std::string(what) + " unit (" + idList(ids) + ")");
}

template <typename Unit>
Unit known(std::optional<Unit> unit, std::string_view keyword, std::string_view typed,
           const Quantity& quantity, bool (*accepted)(std::string_view)) {
    if (unit) {
        return *unit;
    }
    std::vector<std::string> ids;
    for (const std::string& id : unitIds(quantity)) {
        if (accepted(id)) {
            ids.push_back(id);
        }
    }
    throw unknown(keyword, typed, lowerCase(quantity.name), ids);
}

}  // namespace

UnitChoice unitChoice(std::string_view temperature, std::string_view pressure,
                      std::string_view windSpeed) {
    return UnitChoice{
        .temperature =
            known(findTemperatureUnit(temperature), "unit", temperature, temperatureQuantity(),
                  [](std::string_view id) { return findTemperatureUnit(id).has_value(); }),
        .pressure =
            known(findPressureUnit(pressure), "pressure_unit", pressure, airPressureQuantity(),
                  [](std::string_view id) { return findPressureUnit(id).has_value(); }),
        .windSpeed =
            known(findWindSpeedUnit(windSpeed), "speed_unit", windSpeed, windSpeedQuantity(),
                  [](std::string_view id) { return findWindSpeedUnit(id).has_value(); }),
    };
}

std::vector<std::string> outputIds(const CalculationInfo& calculation) {
    std::vector<std::string> ids;
    for (const std::string_view name : calculation.outputNames) {
        std::string id;
        for (const Quantity* quantity : kOutputQuantities) {
            if (const std::optional<std::size_t> unit = findUnit(*quantity, name)) {
                id = quantity->units[*unit].id;
                break;
            }
        }
        ids.push_back(id.empty() ? lowerCase(name) : id);
    }
    return ids;
}

std::size_t outputIndex(const CalculationInfo& calculation, std::string_view typed) {
    const std::vector<std::string> ids = outputIds(calculation);
    std::string_view id = typed;
    for (const Quantity* quantity : kOutputQuantities) {
        if (const std::optional<std::size_t> unit = findUnit(*quantity, typed)) {
            id = quantity->units[*unit].id;
            break;
        }
    }
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (sameName(id, ids[i])) {
            return i;
        }
    }
    throw unknown("to", typed, std::string(calculation.id) + " result", ids);
}

std::vector<std::string> unitIds(const Quantity& quantity) {
    std::vector<std::string> ids;
    for (const Unit& unit : quantity.units) {
        ids.emplace_back(unit.id);
    }
    return ids;
}

std::size_t unitIndex(const Quantity& quantity, std::string_view typed, std::string_view keyword) {
    if (const std::optional<std::size_t> unit = findUnit(quantity, typed)) {
        return *unit;
    }
    throw unknown(keyword, typed, quantity.id, unitIds(quantity));
}

}  // namespace nimbaro::python
