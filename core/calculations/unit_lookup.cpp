// The calculations' units found by what a person types for them: the units of their
// quantities, which the calculation units name by their places.
#include "calculations.h"

namespace nimbaro {
namespace {

template <typename Enum>
std::optional<Enum> calculationUnit(const Quantity& quantity, std::string_view typed) {
    const std::optional<std::size_t> unit = findUnit(quantity, typed);
    return unit ? std::optional<Enum>(static_cast<Enum>(*unit)) : std::nullopt;
}

}  // namespace

std::optional<TemperatureUnit> findTemperatureUnit(std::string_view typed) {
    return calculationUnit<TemperatureUnit>(temperatureQuantity(), typed);
}

std::optional<PressureUnit> findPressureUnit(std::string_view typed) {
    return calculationUnit<PressureUnit>(airPressureQuantity(), typed);
}

std::optional<WindSpeedUnit> findWindSpeedUnit(std::string_view typed) {
    return calculationUnit<WindSpeedUnit>(windSpeedQuantity(), typed);
}

std::optional<LengthUnit> findLengthUnit(std::string_view typed) {
    return calculationUnit<LengthUnit>(lengthQuantity(), typed);
}

}  // namespace nimbaro
