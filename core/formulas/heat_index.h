#pragma once

#include "formulas/units.h"

namespace nimbaro {

// The air temperature the heat index works on, in degrees Fahrenheit, from the number typed
// in `unit`, by the temperature cells: x × (9 / 5) + 32 from Celsius, x from Fahrenheit,
// (x − 273.15) × 9 / 5 + 32 from Kelvin.
double heatIndexAirTemperature(double typed, TemperatureUnit unit);

// The 16-term regression of the apparent temperature, in degrees Fahrenheit, from the air
// temperature in degrees Fahrenheit and the relative humidity in percent. It is applied at
// every temperature and humidity, with no threshold: observers compare against exactly this.
double heatIndex(double fahrenheit, double humidity);

// The heat index as the US National Weather Service computes it (its "Heat Index Equation";
// Rothfusz, NWS Technical Attachment SR 90-23, 1990), in degrees Fahrenheit: Steadman's simple
// formula HI = 0.5 × (T + 61 + (T − 68) × 1.2 + RH × 0.094) first; where HI averaged with T is
// 80 °F or more, Rothfusz's regression instead, less (13 − RH) / 4 × √((17 − |T − 95|) / 17) when
// RH is under 13 % and T is from 80 to 112 °F, plus (RH − 85) / 10 × (87 − T) / 5 when RH is over
// 85 % and T is from 80 to 87 °F. It covers every temperature, so it has no range of its own.
double nwsHeatIndex(double fahrenheit, double humidity);

// The regression was fitted to air temperatures of 80 °F and above; 80 °F itself is inside.
inline constexpr double kHeatIndexLowestFahrenheit = 80;
bool heatIndexInRange(double fahrenheit);

}  // namespace nimbaro
