#pragma once

#include "formulas/units.h"

namespace nimbaro {

// The air temperature the heat index works on, in degrees Fahrenheit, from the number typed
// in `unit`: x × (9 / 5) + 32 from Celsius, x from Fahrenheit, (x − 273.15) × 9 / 5 + 32 from
// Kelvin.
double heatIndexAirTemperature(double typed, TemperatureUnit unit);

// The 16-term regression of the apparent temperature, in degrees Fahrenheit, from the air
// temperature in degrees Fahrenheit and the relative humidity in percent. It is applied at
// every temperature and humidity, with no threshold: observers compare against exactly this.
double heatIndex(double fahrenheit, double humidity);

// The regression was fitted to air temperatures of 80 °F and above; 80 °F itself is inside.
inline constexpr double kHeatIndexLowestFahrenheit = 80;
bool heatIndexInRange(double fahrenheit);

}  // namespace nimbaro
