#include "quantities.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
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

// A spelling as it is compared: ASCII letters in lower case, no blanks, and the ordinal sign
// and the ring above read as the degree sign, so that "deg F", "ºC" and "In Hg" are found.
std::string spellingKey(std::string_view spelling) {
    std::string key;
    key.reserve(spelling.size());
    for (std::size_t i = 0; i < spelling.size(); ++i) {
        const char c = spelling[i];
        const std::string_view rest = spelling.substr(i);
        if (c == ' ' || c == '\t') {
            continue;
        }
        if (rest.starts_with("\u00BA") || rest.starts_with("\u02DA")) {
            key += "\u00B0";
            ++i;
        } else {
            key += asciiLower(c);
        }
    }
    return key;
}

// Every spelling of a unit, its id first.
std::vector<std::string_view> spellingsOf(const Unit& unit) {
    std::vector<std::string_view> spellings = {unit.id, unit.name, unit.symbol, unit.label};
    spellings.insert(spellings.end(), unit.synonyms.begin(), unit.synonyms.end());
    return spellings;
}

// How many letters to add, remove or change to make one text the other.
std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row.back();
}

// How far a spelling lies from what was typed; one that begins with it is nearer than any
// other it is not.
std::size_t distance(const std::string& typed, std::string_view spelling) {
    const std::string key = spellingKey(spelling);
    return std::min(2 * editDistance(typed, key),
                    2 * editDistance(typed, std::string_view(key).substr(0, typed.size())) + 1);
}

// The `count` nearest of `candidates`, each with the spellings it answers to.
template <typename Candidate>
std::vector<Candidate> nearest(std::string_view typed,
                               std::vector<std::pair<Candidate, std::vector<std::string_view>>> all,
                               std::size_t count) {
    const std::string key = spellingKey(typed);
    std::vector<std::pair<std::size_t, Candidate>> scored;
    for (const auto& [candidate, spellings] : all) {
        std::size_t best = std::numeric_limits<std::size_t>::max();
        for (const std::string_view spelling : spellings) {
            best = std::min(best, distance(key, spelling));
        }
        scored.emplace_back(best, candidate);
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Candidate> found;
    for (std::size_t i = 0; i < scored.size() && i < count; ++i) {
        found.push_back(scored[i].second);
    }
    return found;
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
    std::vector<std::pair<std::size_t, std::vector<std::string_view>>> units;
    for (std::size_t i = 0; i < quantity.units.size(); ++i) {
        units.emplace_back(i, spellingsOf(quantity.units[i]));
    }
    return nearest(typed, std::move(units), count);
}

std::vector<const Quantity*> nearestQuantities(std::string_view typed, std::size_t count) {
    std::vector<std::pair<const Quantity*, std::vector<std::string_view>>> all;
    for (const Quantity* quantity : quantities()) {
        all.emplace_back(quantity, std::vector<std::string_view>{quantity->id, quantity->name});
    }
    return nearest(typed, std::move(all), count);
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
