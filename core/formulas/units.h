#pragma once

#include <vector>

namespace nimbaro {

// The units an observer can type a calculation's temperatures and pressures in.
enum class TemperatureUnit { Celsius, Fahrenheit, Kelvin };
enum class PressureUnit { Hectopascals, MillimetresOfMercury, InchesOfMercury };

// (x − 32) × 5 / 9 from Fahrenheit, x − 273.15 from Kelvin.
double toCelsius(double value, TemperatureUnit unit);
// x × 133.322 / 100 from mm of mercury, x × 133.322 × 25.4 / 100 from inches of mercury.
double toHectopascals(double value, PressureUnit unit);

// A Celsius result shown in Celsius, Fahrenheit (c × (9 / 5) + 32) and Kelvin (c + 273.15).
std::vector<double> inEveryTemperatureUnit(double celsius);

}  // namespace nimbaro
