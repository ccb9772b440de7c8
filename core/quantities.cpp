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

namespace {

// Every spelling of a unit, its id first.
std::vector<std::string_view> spellingsOf(const Unit& unit) {
    std::vector<std::string_view> spellings = {unit.id, unit.name, unit.symbol, unit.label};
    spellings.insert(spellings.end(), unit.synonyms.begin(), unit.synonyms.end());
    return spellings;
}

}  // namespace

const Quantity& relativeHumidityQuantity() {
    static const Quantity quantity{
        .id = "relative-humidity",
        .name = "Relative Humidity",
        .units = {{"percent", "percent", "%", "Percent", {"pct"}}},
        .decimals = 5,
        .cells = {{CellExpression::inputText()}},
    };
    return quantity;
}

const Quantity* findQuantity(std::string_view typed) {
    const std::string key = spellingKey(typed);
    for (const Quantity* quantity : quantities()) {
        if (key == spellingKey(quantity->id) || key == spellingKey(quantity->name)) {
            return quantity;
        }
    }
    return nullptr;
}

std::optional<std::size_t> findUnit(const Quantity& quantity, std::string_view typed) {
    if (refusedSpelling(quantity, typed)) {
        return std::nullopt;
    }
    const std::string key = spellingKey(typed);
    for (std::size_t i = 0; i < quantity.units.size(); ++i) {
        for (const std::string_view spelling : spellingsOf(quantity.units[i])) {
            if (key == spellingKey(spelling)) {
                return i;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> refusedSpelling(const Quantity& quantity, std::string_view typed) {
    const std::string key = spellingKey(typed);
    for (const RefusedSpelling& refused : quantity.refused) {
        if (key == spellingKey(refused.typed)) {
            return refused.instead;
        }
    }
    return std::nullopt;
}

std::vector<std::size_t> nearestUnits(const Quantity& quantity, std::string_view typed,
                                      std::size_t count) {
    std::vector<std::vector<std::string_view>> units;
    for (const Unit& unit : quantity.units) {
        units.push_back(spellingsOf(unit));
    }
    return nearestNames(typed, units, count);
}

std::vector<const Quantity*> nearestQuantities(std::string_view typed, std::size_t count) {
    std::vector<std::vector<std::string_view>> names;
    for (const Quantity* quantity : quantities()) {
        names.push_back({quantity->id, quantity->name});
    }
    std::vector<const Quantity*> found;
    for (const std::size_t index : nearestNames(typed, names, count)) {
        found.push_back(quantities()[index]);
    }
    return found;
}

UnitLookup lookUpUnit(const Quantity& quantity, std::string_view typed) {
    UnitLookup lookup;
    lookup.unit = findUnit(quantity, typed);
    if (lookup.unit) {
        return lookup;
    }
    lookup.instead = refusedSpelling(quantity, typed);
    if (lookup.instead) {
        return lookup;
    }
    for (const std::size_t index : nearestUnits(quantity, typed)) {
        const Unit& unit = quantity.units[index];
        lookup.nearest += (lookup.nearest.empty() ? "" : ", ") + std::string(unit.id) + " (" +
                          std::string(unit.symbol) + ")";
    }
    return lookup;
}

double converted(const Quantity& quantity, std::size_t from, std::size_t to, double value) {
    const CellExpression& cell = quantity.cells[from][to];
    return cell.copiesInputText() ? value : cell.evaluate(value);
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
