#pragma once

#include "formulas/units.h"

namespace nimbaro {

// The new formula, a power law worked in degrees Fahrenheit and miles per hour:
// S = V^0.16, WF = (TF × 0.6215 + 35.74 − S × 35.75) + TF × 0.4275 × S. The chill in Celsius,
// Fahrenheit and Kelvin, computed from WF.
std::array<double, 3> newWindChill(double temperature, TemperatureUnit temperatureUnit,
                                   double windSpeed, WindSpeedUnit windSpeedUnit);

// The new formula is meant for air temperatures of 50 °F and below and for winds of 3 mph and
// above, both bounds inside; each is judged on the value the formula works with.
inline constexpr double kNewWindChillHighestFahrenheit = 50;
inline constexpr double kNewWindChillLowestMilesPerHour = 3;

struct WindChillRange {
    bool temperatureInRange = true;
    bool windInRange = true;
};

WindChillRange newWindChillRange(double temperature, TemperatureUnit temperatureUnit,
                                 double windSpeed, WindSpeedUnit windSpeedUnit);

// The old formula, a square-root law worked in metres per second around a skin reference R of
// 33 °C kept in the typed unit: F = √v × 0.453843 + 0.464255 − v × 0.0453843,
// C = R − (R − T) × F. The chill in Celsius, Fahrenheit and Kelvin, its own unit as computed.
std::array<double, 3> oldWindChill(double temperature, TemperatureUnit temperatureUnit,
                                   double windSpeed, WindSpeedUnit windSpeedUnit);

}  // namespace nimbaro
