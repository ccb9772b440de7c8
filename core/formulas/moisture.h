#pragma once

namespace nimbaro {

// The measures of the water vapour in the air as the WMO's Guide to Instruments and Methods of
// Observation (WMO-No. 8, 2018, Volume I, Annex 4.A and 4.B) defines them. Temperatures in
// degrees Celsius, pressures and vapour pressures in hectopascals, humidities in percent.
// Relative humidity is reckoned over water at every temperature, as the WMO defines it. The
// vapour pressures are those of the pure phase: the WMO's enhancement factor for moist air,
// f(p) = 1.0016 + 3.15e-6 × p − 0.074 / p, which adds 0.4 to 0.5 % near sea level, is left
// out so that a vapour pressure depends on the temperature alone. Where a formula meets a pole,
// a division by zero or the logarithm of zero or less, it gives not a number instead, without a
// floating-point fault.

// ε = Mv / Md, the ratio of the molar masses of water vapour and dry air (WMO-No. 8, Annex 4.A).
inline constexpr double kVapourToDryAirMassRatio = 0.62198;

// The WMO's Magnus form over water, ew(t) = 6.112 × exp(17.62 × t / (243.12 + t)), meant for
// −45 to 60 °C. Not a number at and below −243.12 °C, its pole.
double wmoSaturationVapourPressure(double celsius);

// The WMO's Magnus form over ice, ei(t) = 6.112 × exp(22.46 × t / (272.62 + t)), meant for
// −65 to 0 °C. Not a number at and below −272.62 °C, its pole.
double wmoSaturationVapourPressureOverIce(double celsius);

// The vapour pressure of air at the temperature t holding the relative humidity U:
// e = U / 100 × ew(t). The vapour pressure of a dew point Td is ew(Td) itself.
double wmoVapourPressure(double airTemperature, double humidity);

// The frost point, the temperature at which the vapour pressure e saturates the air over ice,
// by inverting ei: with L = ln(e / 6.112), Tf = 272.62 × L / (22.46 − L). Above 6.112 hPa it lies
// above 0 °C, outside the form's range. Not a number for e at or below zero, and where L reaches
// 22.46 (e near 3.5e10 hPa).
double wmoFrostPoint(double vapourPressure);

// The mixing ratio, grams of water vapour per kilogram of dry air: r = 1000 × ε × e / (p − e).
// Not a number for a vapour pressure below zero or at or above the pressure.
double mixingRatio(double vapourPressure, double pressure);

// The specific humidity, grams of water vapour per kilogram of moist air:
// q = 1000 × ε × e / (p − (1 − ε) × e). Not a number where the mixing ratio is not.
double specificHumidity(double vapourPressure, double pressure);

// The absolute humidity (vapour density), grams of water vapour per cubic metre:
// ρv = 100 × e / (Rv × T) × 1000, with T in kelvins and Rv = Rd / ε = 461.51 J/(kg·K). Not a
// number for a vapour pressure below zero or a temperature at or below absolute zero.
double absoluteHumidity(double vapourPressure, double airTemperature);

}  // namespace nimbaro
