#pragma once

namespace nimbaro {

// A station's pressure brought to other levels, and the altitudes aviation reads from a pressure.
// Pressures in hectopascals, temperatures in degrees Celsius, elevations in metres above mean sea
// level. Where a formula meets a division by zero, a negative base under a fractional power or a
// mean column temperature at or below absolute zero, it gives not a number instead, without a
// floating-point fault.

// The standard lapse rate of the ICAO standard atmosphere, kelvins per metre.
inline constexpr double kStandardLapseRate = 0.0065;

// The mean sea-level pressure by the hypsometric equation over a fictitious column of dry air
// beneath the station: p0 = p × exp(g × h / (Rd × Tm)), with standard gravity g = 9.80665 m/s²,
// Rd = 287.05 J/(kg·K) and Tm = T + 273.15 + 0.0065 × h / 2, the mean of the station's
// temperature and the temperature the standard lapse rate gives at sea level. The same
// reduction as PsychroLib's GetSeaLevelPressure (Hess 1959; Stull 2000), whose g = 9.807 and
// Rd = 287.055 move the result by less than 0.01 hPa below 2000 m. Not a number where Tm is at or
// below 0 K.
double seaLevelPressure(double stationPressure, double elevation, double airTemperature);

// The altimeter setting (QNH) by the National Weather Service's formula, from the Smithsonian
// Meteorological Tables (1951, p. 269), in hectopascals (callers convert to inches of mercury):
// A = (p − 0.3) × (1 + (1013.25^n × 0.0065 / 288) × h / (p − 0.3)^n)^(1 / n), n = 0.190284.
// Not a number for p at or below 0.3 hPa, or an elevation so far below sea level that the
// bracket turns negative.
double altimeterSetting(double stationPressure, double elevation);

struct Altitude {
    double feet;
    double metres;  // feet × 0.3048
};

// The pressure altitude by the National Weather Service's formula, the height of `pressure` in
// the standard atmosphere: 145366.45 × (1 − (p / 1013.25)^0.190284) feet. Not a number for a
// pressure below zero.
Altitude pressureAltitude(double pressure);

// The density altitude by the National Weather Service's formula, from the station pressure
// P in inches of mercury (p / 33.8639) and the virtual temperature Tv in degrees Rankine
// (9 / 5 × (Tv − 273.15) + 32 + 459.69): 145366 × (1 − (17.326 × P / Tv)^0.235) feet. The
// virtual temperature is the NWS's: Tv = T / (1 − e / p × (1 − 0.622)) kelvins, with the vapour
// pressure e = 6.11 × 10^(7.5 × Td / (237.7 + Td)) of the dew point Td, as the windows reckon
// it. Not a number for a pressure at or below zero, a dew point at or below −237.7 °C (the
// pole of that form), a vapour pressure that reaches the station pressure or a temperature
// at or below absolute zero.
Altitude densityAltitude(double stationPressure, double airTemperature, double dewPoint);

// The same for dry air: the air temperature itself stands for the virtual temperature.
Altitude dryDensityAltitude(double stationPressure, double airTemperature);

}  // namespace nimbaro
