#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cell_expression.h"
#include "faults.h"
#include "number_locale.h"

namespace nimbaro {

// One unit of a quantity.
struct Unit {
    std::string_view id;    // "nautical-miles": stable, for scripts
    std::string_view name;  // "Nauticle Miles": how its result is named
    // What a person types for it besides its id, matched without regard to case.
    std::vector<std::string_view> symbols;
};

// A physical quantity whose units convert into one another by fixed expressions.
struct Quantity {
    std::string_view id;    // "wind-speed"
    std::string_view name;  // "Wind Speed"
    // The units in the order a conversion tests them, which is also the order of its outputs.
    std::vector<Unit> units;
    int decimals = 5;  // of every result
    // cells[from][to]: how the value in unit `to` follows from a value in unit `from`.
    std::vector<std::vector<CellExpression>> cells;
};

const Quantity& temperatureQuantity();
const Quantity& lengthQuantity();
const Quantity& areaQuantity();
const Quantity& volumeQuantity();
const Quantity& massQuantity();
const Quantity& timeQuantity();
const Quantity& rainfallQuantity();
const Quantity& windSpeedQuantity();
const Quantity& airPressureQuantity();

// Every quantity above.
std::span<const Quantity* const> quantities();

// The quantity of that id, if any.
const Quantity* findQuantity(std::string_view id);

// The index of the unit named `typed` by its id, its name or one of its symbols, without
// regard to case; nothing when no unit answers to it.
std::optional<std::size_t> findUnit(const Quantity& quantity, std::string_view typed);

// The value of every unit for `input` in unit `from`, written into the first places of `out`, one
// for each unit of the quantity in its order: a unit that is one size with the typed one gets the
// input itself, every other one its cell. Fails on an input that is not finite (Input::Value,
// Rule::Number) and on a value that cannot be shown as a result; `out` must have room for every
// unit. It allocates nothing, so that it can run on every element of a large array.
Outcome<std::span<double>> convert(const Quantity& quantity, std::size_t from, double input,
                                   std::span<double> out);

// The text of every output for `inputText` typed in unit `from`, as a result shows it: the
// values above, each typed-unit output written as the typed number. Fails on a text that is
// not a number (Input::Value, Rule::Number) and on any result outside the double range.
Outcome<std::vector<std::string>> convert(const Quantity& quantity, std::size_t from,
                                          std::string_view inputText, const NumberLocale& locale);

}  // namespace nimbaro
