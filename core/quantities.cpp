#include "quantities.h"

#include <array>

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

Outcome<std::vector<std::string>> convert(const Quantity& quantity, std::size_t from,
                                          std::string_view inputText, const NumberLocale& locale) {
    const std::optional<double> input = parseNumber(inputText, locale);
    if (!input) {
        return InputFault{Input::Value, Rule::Number};
    }
    std::vector<std::string> texts;
    texts.reserve(quantity.units.size());
    for (const CellExpression& cell : quantity.cells.at(from)) {
        // The typed number is shown as typed, only formatted: it needs no check of its own.
        if (cell.copiesInputText()) {
            texts.push_back(formatFixed(*input, quantity.decimals, locale));
            continue;
        }
        const double value = cell.evaluate(*input);
        if (!isShowable(value)) {
            return ComputationFault{};
        }
        texts.push_back(resultText(value, quantity.decimals, locale));
    }
    return texts;
}

}  // namespace nimbaro
