#pragma once

#include <array>
#include <cstddef>

#include "quantities.h"
#include "quantities/unit_cells.h"

namespace nimbaro {

// The units of the quantities a calculation reads or gives, each unit named by its place among
// its quantity's units, so that a unit found by any of its spellings is the calculation's unit
// too: the units an observer types temperatures, pressures and wind speeds in, and the units of
// the outputs.
enum class TemperatureUnit : std::size_t { Celsius, Fahrenheit, Kelvin };
enum class PressureUnit : std::size_t {
    Pascals,
    Hectopascals,
    Millibars,
    MillimetresOfMercury,
    InchesOfMercury,
};
enum class WindSpeedUnit : std::size_t {
    KilometresPerHour,
    MetresPerSecond,
    MilesPerHour,
    FeetPerSecond,
    Knots,
};
enum class LengthUnit : std::size_t {
    Millimetres,
    Metres,
    Kilometres,
    Inches,
    Feet,
    Yards,
    Miles,
    NauticalMiles,
};
enum class TimeUnit : std::size_t { Seconds, Minutes, Hours, Days, Weeks };
enum class HumidityUnit : std::size_t { Percent };
enum class MassRatioUnit : std::size_t { GramsPerKilogram };
enum class DensityUnit : std::size_t { KilogramsPerCubicMetre, GramsPerCubicMetre };
enum class BeaufortUnit : std::size_t { Force };

// The quantity whose units each enumeration names.
constexpr auto quantityOf(TemperatureUnit) {
    return &temperatureQuantity;
}
constexpr auto quantityOf(PressureUnit) {
    return &airPressureQuantity;
}
constexpr auto quantityOf(WindSpeedUnit) {
    return &windSpeedQuantity;
}
constexpr auto quantityOf(LengthUnit) {
    return &lengthQuantity;
}
constexpr auto quantityOf(TimeUnit) {
    return &timeQuantity;
}
constexpr auto quantityOf(HumidityUnit) {
    return &relativeHumidityQuantity;
}

constexpr auto quantityOf(MassRatioUnit) {
    return &massRatioQuantity;
}
constexpr auto quantityOf(DensityUnit) {
    return &densityQuantity;
}
constexpr auto quantityOf(BeaufortUnit) {
    return &beaufortQuantity;
}

template <typename UnitName>
requires std::is_constructible_v<UnitRef, UnitName>
const Unit& unitOf(UnitName unit) {
    return UnitRef(unit).unit();
}

// A value in another unit of its quantity, by the cell between the two: in the order of
// operations the conversion windows use. The temperature's inline: every temperature a formula
// reads or gives goes through it, on every element of a large array.
inline double converted(double value, TemperatureUnit from, TemperatureUnit to) {
    const CellExpression& cell =
        kTemperatureCells[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)];
    return cell.copiesInputText() ? value : cell.evaluate(value);
}
double converted(double value, PressureUnit from, PressureUnit to);
double converted(double value, WindSpeedUnit from, WindSpeedUnit to);
double converted(double value, LengthUnit from, LengthUnit to);

// (x − 32) × 5 / 9 from Fahrenheit, x − 273.15 from Kelvin.
inline double toCelsius(double value, TemperatureUnit unit) {
    return converted(value, unit, TemperatureUnit::Celsius);
}
// x × 133.322 / 100 from mm of mercury, x × 133.322 × 25.4 / 100 from inches of mercury, x /
// 100 from pascals; millibars are hectopascals.
double toHectopascals(double value, PressureUnit unit);

// A result in `unit` shown in Celsius, Fahrenheit and Kelvin, its own unit as it is: brought to
// Celsius, then from Celsius to the others. From Celsius c, c × (9 / 5) + 32 and c + 273.15;
// from Fahrenheit (f − 32) × 5 / 9, f and (f − 32) × 5 / 9 + 273.15; from Kelvin k − 273.15,
// (k − 273.15) × (9 / 5) + 32 and k.
inline std::array<double, 3> inEveryTemperatureUnit(
    double value, TemperatureUnit unit = TemperatureUnit::Celsius) {
    const double celsius = toCelsius(value, unit);
    const auto fromCelsius = [&](TemperatureUnit to) {
        return to == unit ? value : converted(celsius, TemperatureUnit::Celsius, to);
    };
    return {celsius, fromCelsius(TemperatureUnit::Fahrenheit),
            fromCelsius(TemperatureUnit::Kelvin)};
}

// A temperature typed in `unit` that lies below absolute zero: under −273.15 °C, −459.67 °F or
// 0 K, judged on the number as typed so that absolute zero itself is never below it.
bool belowAbsoluteZero(double value, TemperatureUnit unit);

}  // namespace nimbaro
