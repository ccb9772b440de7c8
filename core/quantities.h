#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "cell_expression.h"
#include "faults.h"
#include "number_locale.h"

namespace nimbaro {

// One unit of a quantity: the one model of units for the conversions and for the units the
// calculations' inputs are typed in and their outputs shown in.
struct Unit {
    std::string_view id;      // "nautical-miles": stable, for scripts
    std::string_view name;    // "nautical miles": its proper name
    std::string_view symbol;  // "nmi"
    std::string_view label;   // "Nauticle Miles": how the windows name it, as they always have
    // What else people type for it. Every spelling of a unit is matched without regard to the
    // case of ASCII letters and to blanks, and with "º" (the ordinal sign) read as "°".
    std::vector<std::string_view> synonyms;
};

// A spelling refused although it reads like a unit, and the one meant instead: "nm" is a
// nanometre to a physicist, the nautical mile is "nmi".
struct RefusedSpelling {
    std::string_view typed;
    std::string_view instead;
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
    std::vector<RefusedSpelling> refused = {};
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

// Every quantity above, the ones a conversion window converts.
std::span<const Quantity* const> quantities();

// The relative humidity, in its one unit, percent: what a humidity is typed and shown in.
const Quantity& relativeHumidityQuantity();

// The units of the station calculations' outputs that no conversion window converts: a mass of
// water vapour per mass of air (g/kg), a density (kg/m³, g/m³) and the Beaufort force.
const Quantity& massRatioQuantity();
const Quantity& densityQuantity();
const Quantity& beaufortQuantity();

// One unit of one quantity, named where no quantity is at hand yet (a calculation's outputs,
// the unit an input is typed in) by the enumeration of its quantity's units: LengthUnit::Feet.
// An enumeration names each unit by its place among its quantity's units, and quantityOf()
// gives the quantity of its units.
struct UnitRef {
    template <typename UnitName>
    requires std::is_enum_v<UnitName> && requires(UnitName unit) { quantityOf(unit); }
    constexpr UnitRef(UnitName unit)
        : quantity(quantityOf(unit)), index(static_cast<std::size_t>(unit)) {}

    const Unit& unit() const { return quantity().units[index]; }
    friend constexpr bool operator==(const UnitRef&, const UnitRef&) = default;

    const Quantity& (*quantity)();
    std::size_t index;
};

// The quantity of that id, if any.
const Quantity* findQuantity(std::string_view id);

// The index of the unit named `typed` by any of its spellings (its id, name, symbol, label or
// a synonym); nothing when no unit answers to it, or the spelling is refused.
std::optional<std::size_t> findUnit(const Quantity& quantity, std::string_view typed);

// The spelling to use instead of `typed`, where the quantity refuses it ("nmi" for "nm").
std::optional<std::string_view> refusedSpelling(const Quantity& quantity, std::string_view typed);

// For an answer to a name that is no unit's or quantity's: those whose spellings come nearest
// to `typed`, the nearest first, at most `count`. Near means few letters to add, remove or
// change; a spelling that begins with what was typed counts as nearer still.
std::vector<std::size_t> nearestUnits(const Quantity& quantity, std::string_view typed,
                                      std::size_t count = 3);
std::vector<const Quantity*> nearestQuantities(std::string_view typed, std::size_t count = 3);

// What a unit named by a person comes to among a quantity's units, for a program to word its
// own answer: the unit; or, where the quantity refuses the spelling, the one to use instead; or
// else the units that come nearest, by id and symbol: "celsius (°C), fahrenheit (°F)".
struct UnitLookup {
    std::optional<std::size_t> unit;
    std::optional<std::string_view> instead;
    std::string nearest;
};
UnitLookup lookUpUnit(const Quantity& quantity, std::string_view typed);

// The value in unit `to` of a value in unit `from`, by the quantity's cell between them.
double converted(const Quantity& quantity, std::size_t from, std::size_t to, double value);

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
