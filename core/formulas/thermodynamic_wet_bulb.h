#pragma once

namespace nimbaro {

// The thermodynamic wet bulb of ASHRAE's psychrometric equation (ASHRAE Handbook —
// Fundamentals, chapter 1, equations 33 and 35): the temperature Tw at which water evaporating
// into the air saturates it adiabatically at the pressure P. With the humidity ratio
// W = 0.621945 × e / (P − e) and Ws the saturation humidity ratio at Tw,
//   over water (Tw ≥ 0 °C): W = ((2501 − 2.326 Tw) Ws − 1.006 (T − Tw)) / (2501 + 1.86 T − 4.186
//   Tw), over ice (Tw < 0 °C):   W = ((2830 − 0.24 Tw) Ws − 1.006 (T − Tw)) / (2830 + 1.86 T − 2.1
//   Tw),
// Ws by Hyland and Wexler's saturation pressure over water or over ice at Tw. The vapour
// pressure e stays over water, and so do the humidity and the dew point made from it.
// Temperatures in degrees Celsius, pressures in hectopascals.

// The vapour pressure of air at T whose thermodynamic wet bulb is Tw. Not a number where the
// wet bulb's saturation pressure reaches P (water boils there).
double thermodynamicVapourPressure(double airTemperature, double wetBulb, double pressure);

// The thermodynamic wet bulb of air at T holding vapour at the pressure e: the root of
// W(T, Tw, P) − W(e), found as the psychrometer's wet bulb is, until a step moves it by less
// than 1e-12 of its value. Not a number when there is none (P at or below e).
double thermodynamicWetBulb(double airTemperature, double vapourPressure, double pressure);

}  // namespace nimbaro
