#include "quantities.h"

#include <array>
#include <cmath>
#include <stdexcept>

#include "number_text.h"
#include "text_match.h"

namespace nimbaro {

std::span<const Quantity* const> quantities() {
    static const std::array all = {
        &temperatureQuantity(), &lengthQuantity(),    &areaQuantity(),
        &volumeQuantity(),      &massQuantity(),      &timeQuantity(),
        &rainfallQuantity(),    &windSpeedQuantity(), &airPressureQuantity()};
    return all;
}

const Quantity* findQuantity(std::string_view id) {
    for (const Quantity* quantity : quantities()) {
        if (sameName(quantity->id, id)) {
            return quantity;
        }
    }
    return nullptr;
}

std::optional<std::size_t> findUnit(const Quantity& quantity, std::string_view typed) {
    for (std::size_t i = 0; i < quantity.units.size(); ++i) {
        const Unit& unit = quantity.units[i];
        if (sameName(typed, unit.id) || sameName(typed, unit.name)) {
            return i;
        }
        for (std::string_view symbol : unit.symbols) {
            if (sameName(typed, symbol)) {
                return i;
            }
        }
    }
    return std::nullopt;
}

Outcome<std::span<double>> convert(const Quantity& quantity, std::size_t from, double input,
                                   std::span<double> out) {
    const std::vector<CellExpression>& cells = quantity.cells.at(from);
    if (out.size() < cells.size()) {
        throw std::length_error("no room for every unit of " + std::string(quantity.id));
    }
    if (!std::isfinite(input)) {
        return InputFault{Input::Value, Rule::Number};
    }
    for (std::size_t unit = 0; unit < cells.size(); ++unit) {
        const CellExpression& cell = cells[unit];
        // The typed number needs no check of its own.
        out[unit] = cell.copiesInputText() ? input : cell.evaluate(input);
        if (!cell.copiesInputText() && !isShowable(out[unit])) {
            return ComputationFault{};
        }
    }
    return out.first(cells.size());
}

Outcome<std::vector<std::string>> convert(const Quantity& quantity, std::size_t from,
                                          std::string_view inputText, const NumberLocale& locale) {
    const std::optional<double> input = parseNumber(inputText, locale);
    if (!input) {
        return InputFault{Input::Value, Rule::Number};
    }
    std::vector<double> values(quantity.units.size());
    const auto converted = convert(quantity, from, *input, values);
    if (std::holds_alternative<ComputationFault>(converted)) {
        return ComputationFault{};
    }
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (std::size_t unit = 0; unit < values.size(); ++unit) {
        // The typed number is shown as typed, only formatted.
        texts.push_back(quantity.cells[from][unit].copiesInputText()
                            ? formatFixed(*input, quantity.decimals, locale)
                            : resultText(values[unit], quantity.decimals, locale));
    }
    return texts;
}

}  // namespace nimbaro
