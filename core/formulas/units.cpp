#include "units.h"

#include "quantities/unit_cells.h"

namespace nimbaro {
namespace {

template <typename Enum>
constexpr std::size_t place(Enum unit) {
    return static_cast<std::size_t>(unit);
}

template <std::size_t N>
double byCell(const CellTable<N>& cells, std::size_t from, std::size_t to, double value) {
    const CellExpression& cell = cells[from][to];
    return cell.copiesInputText() ? value : cell.evaluate(value);
}

}  // namespace

double converted(double value, PressureUnit from, PressureUnit to) {
    return byCell(kAirPressureCells, place(from), place(to), value);
}

double converted(double value, WindSpeedUnit from, WindSpeedUnit to) {
    return byCell(kWindSpeedCells, place(from), place(to), value);
}

double converted(double value, LengthUnit from, LengthUnit to) {
    return converted(lengthQuantity(), place(from), place(to), value);
}

double toHectopascals(double value, PressureUnit unit) {
    return converted(value, unit, PressureUnit::Hectopascals);
}

bool belowAbsoluteZero(double value, TemperatureUnit unit) {
    switch (unit) {
        case TemperatureUnit::Fahrenheit:
            return value < -459.67;
        case TemperatureUnit::Kelvin:
            return value < 0;
        case TemperatureUnit::Celsius:
            break;
    }
    return value < -273.15;
}

}  // namespace nimbaro
