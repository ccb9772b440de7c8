// The calculations' units found by what a person types for them.
#include "calculations.h"
#include "quantities.h"

namespace nimbaro {
namespace {

template <typename Unit>
std::optional<Unit> calculationUnit(const Quantity& quantity, std::string_view typed,
                                    std::initializer_list<std::pair<std::string_view, Unit>> ids) {
    const std::optional<std::size_t> unit = findUnit(quantity, typed);
    if (!unit) {
        return std::nullopt;
    }
    for (const auto& [id, calculationUnit] : ids) {
        if (quantity.units[*unit].id == id) {
            return calculationUnit;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<TemperatureUnit> findTemperatureUnit(std::string_view typed) {
    return calculationUnit<TemperatureUnit>(temperatureQuantity(), typed,
                                            {{"celsius", TemperatureUnit::Celsius},
                                             {"fahrenheit", TemperatureUnit::Fahrenheit},
                                             {"kelvin", TemperatureUnit::Kelvin}});
}

std::optional<PressureUnit> findPressureUnit(std::string_view typed) {
    return calculationUnit<PressureUnit>(
        airPressureQuantity(), typed,
        {{"hectopascals", PressureUnit::Hectopascals},
         {"millibars", PressureUnit::Hectopascals},
         {"millimetres-of-mercury", PressureUnit::MillimetresOfMercury},
         {"inches-of-mercury", PressureUnit::InchesOfMercury}});
}

std::optional<WindSpeedUnit> findWindSpeedUnit(std::string_view typed) {
    return calculationUnit<WindSpeedUnit>(
        windSpeedQuantity(), typed,
        {{"kilometres-per-hour", WindSpeedUnit::KilometresPerHour},
         {"metres-per-second", WindSpeedUnit::MetresPerSecond},
         {"miles-per-hour", WindSpeedUnit::MilesPerHour},
         {"knots", WindSpeedUnit::Knots}});
}

}  // namespace nimbaro
