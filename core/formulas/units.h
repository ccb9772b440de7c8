#pragma once

#include <array>

namespace nimbaro {

// The units an observer can type a calculation's temperatures, pressures and wind speeds in.
enum class TemperatureUnit { Celsius, Fahrenheit, Kelvin };
enum class PressureUnit { Hectopascals, MillimetresOfMercury, InchesOfMercury };
enum class WindSpeedUnit { KilometresPerHour, MetresPerSecond, MilesPerHour, Knots };

// (x − 32) × 5 / 9 from Fahrenheit, x − 273.15 from Kelvin.
double toCelsius(double value, TemperatureUnit unit);
// x × 133.322 / 100 from mm of mercury, x × 133.322 × 25.4 / 100 from inches of mercury.
double toHectopascals(double value, PressureUnit unit);

// A result in `unit` shown in Celsius, Fahrenheit and Kelvin, its own unit as it is: from
// Celsius c, c × (9 / 5) + 32 and c + 273.15; from Fahrenheit (f − 32) × 5 / 9, f and
// (f − 32) × 5 / 9 + 273.15; from Kelvin k − 273.15, (k − 273.15) × (9 / 5) + 32 and k.
std::array<double, 3> inEveryTemperatureUnit(double value,
                                             TemperatureUnit unit = TemperatureUnit::Celsius);

// A temperature typed in `unit` that lies below absolute zero: under −273.15 °C, −459.67 °F or
// 0 K, judged on the number as typed so that absolute zero itself is never below it.
bool belowAbsoluteZero(double value, TemperatureUnit unit);

}  // namespace nimbaro
