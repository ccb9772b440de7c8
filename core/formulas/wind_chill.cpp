#include "wind_chill.h"

#include <cmath>

namespace nimbaro {
namespace {

// T × 1.8 + 32 from Celsius, as the Celsius cell has it; (T − 273.15) × 1.8 + 32 from Kelvin,
// where the Kelvin cell multiplies by 9 and divides by 5.
double inFahrenheit(double temperature, TemperatureUnit unit) {
    if (unit == TemperatureUnit::Kelvin) {
        return (temperature - 273.15) * 1.8 + 32;
    }
    return converted(temperature, unit, TemperatureUnit::Fahrenheit);
}

// From knots by 1.852 km/h to the knot, where the knots cell goes through 1852 m; from the other
// units as their cells have it.
double inMilesPerHour(double speed, WindSpeedUnit unit) {
    if (unit == WindSpeedUnit::Knots) {
        return speed * 1.852 / 1.609344;
    }
    return converted(speed, unit, WindSpeedUnit::MilesPerHour);
}

// The formula's own orders for the units its window offers; feet per second, which it does
// not, as the cell has it.
double inMetresPerSecond(double speed, WindSpeedUnit unit) {
    switch (unit) {
        case WindSpeedUnit::KilometresPerHour:
            return speed / 3.6;
        case WindSpeedUnit::MilesPerHour:
            return speed / 3.6 * 1.609344;
        case WindSpeedUnit::Knots:
            return speed / 3600 * 1852;
        case WindSpeedUnit::MetresPerSecond:
        case WindSpeedUnit::FeetPerSecond:
            break;
    }
    return converted(speed, unit, WindSpeedUnit::MetresPerSecond);
}

// 33 °C in each unit.
double skinReference(TemperatureUnit unit) {
    switch (unit) {
        case TemperatureUnit::Fahrenheit:
            return 91.4;
        case TemperatureUnit::Kelvin:
            return 306.15;
        case TemperatureUnit::Celsius:
            break;
    }
    return 33;
}

}  // namespace

std::array<double, 3> newWindChill(double temperature, TemperatureUnit temperatureUnit,
                                   double windSpeed, WindSpeedUnit windSpeedUnit) {
    const double fahrenheit = inFahrenheit(temperature, temperatureUnit);
    const double power = std::pow(inMilesPerHour(windSpeed, windSpeedUnit), 0.16);
    const double chill =
        (fahrenheit * 0.6215 + 35.74 - power * 35.75) + fahrenheit * 0.4275 * power;
    return inEveryTemperatureUnit(chill, TemperatureUnit::Fahrenheit);
}

WindChillRange newWindChillRange(double temperature, TemperatureUnit temperatureUnit,
                                 double windSpeed, WindSpeedUnit windSpeedUnit) {
    return {
        .temperatureInRange =
            inFahrenheit(temperature, temperatureUnit) <= kNewWindChillHighestFahrenheit,
        .windInRange = inMilesPerHour(windSpeed, windSpeedUnit) >= kNewWindChillLowestMilesPerHour,
    };
}

std::array<double, 3> oldWindChill(double temperature, TemperatureUnit temperatureUnit,
                                   double windSpeed, WindSpeedUnit windSpeedUnit) {
    const double speed = inMetresPerSecond(windSpeed, windSpeedUnit);
    const double factor = std::sqrt(speed) * 0.453843 + 0.464255 - speed * 0.0453843;
    const double reference = skinReference(temperatureUnit);
    // The chill stays in the typed unit; 9 / 5 in the Fahrenheit output is 1.8 to the bit.
    return inEveryTemperatureUnit(reference - (reference - temperature) * factor, temperatureUnit);
}

}  // namespace nimbaro
