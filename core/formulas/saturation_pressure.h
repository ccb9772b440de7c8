#pragma once

namespace nimbaro {

// The saturation vapour pressure of Hyland and Wexler (1983), as ASHRAE's Handbook —
// Fundamentals (chapter 1, equations 5 and 6) gives it: ln Es = C1 / T + C2 + C3 × T + ... +
// C7 × ln T, in pascals, T in kelvins, with one set of coefficients over ice and one over
// liquid water. Over water it is used also below 0 °C, where humidity is reckoned over water.
enum class Surface { Water, Ice };

// ln Es in pascals, and its slope d ln Es / dT, at `kelvin` above absolute zero.
double logSaturationPressure(double kelvin, Surface surface);
double logSaturationSlope(double kelvin, Surface surface);

// Es in hectopascals at a temperature in degrees Celsius.
double saturationPressureOver(double celsius, Surface surface);
double saturationVapourPressureOverWater(double celsius);

inline constexpr double kZeroCelsius = 273.15;

}  // namespace nimbaro
