#pragma once

namespace nimbaro {

// Thermodynamic measures of moist air. Temperatures in degrees Celsius, the temperatures
// worked out in kelvins, as thermodynamics states them; pressures and vapour pressures in
// hectopascals. Where a formula meets a division by zero, the logarithm of zero or less, a
// negative base under a fractional power or an overflow, it gives not a number instead, without
// a floating-point fault.

inline constexpr double kZeroCelsiusInKelvins = 273.15;

// The gas constant of dry air, J/(kg·K): the ICAO standard atmosphere's 287.05287, rounded.
inline constexpr double kDryAirGasConstant = 287.05;

// Poisson's constant of dry air, κ = Rd / cpd = 2 / 7 (0.2857), that of an ideal diatomic gas.
inline constexpr double kPoissonConstant = 2.0 / 7.0;

// The virtual temperature, the temperature dry air would need for the density of the moist air:
// Tv = T / (1 − e / p × (1 − ε)) kelvins, ε = 0.62198 (WMO-No. 8), which is
// T × (1 + r / ε) / (1 + r) for the mixing ratio r. Not a number for a vapour pressure below
// zero or at or above the pressure.
double virtualTemperature(double airTemperature, double vapourPressure, double pressure);

// The potential temperature, the temperature the air would take if brought dry-adiabatically to
// 1000 hPa (Poisson's equation): θ = T × (1000 / p)^κ kelvins. Not a number for a pressure at or
// below zero.
double potentialTemperature(double airTemperature, double pressure);

// The equivalent potential temperature of Bolton (1980, Monthly Weather Review 108, eq. 39),
// kelvins: θE = θDL × exp((3036 / TL − 1.78) × r × (1 + 0.448 × r)), with the potential
// temperature of the dry air at the lifting condensation level (eq. 24)
// θDL = T × (1000 / (p − e))^0.2854 × (T / TL)^(0.28 × r), the temperature of that level from
// the dew point (eq. 15) TL = 1 / (1 / (Td − 56) + ln(T / Td) / 800) + 56, temperatures in
// kelvins, the vapour pressure e of the dew point by Bolton's eq. 10,
// 6.112 × exp(17.67 × Td / (Td + 243.5)) with Td in °C, and the mixing ratio r = ε × e / (p − e)
// in kg/kg. Not a number for a dew point at or below −243.5 °C, a vapour pressure at or above
// the pressure, or so close to it that the exponential would overflow, or temperatures at or
// below absolute zero.
double equivalentPotentialTemperature(double airTemperature, double dewPoint, double pressure);

// The density of moist air, kilograms per cubic metre, from the ideal gas law with the virtual
// temperature: ρ = 100 × p / (Rd × Tv). A vapour pressure of zero gives dry air's. Not a number
// where the virtual temperature is not or is at or below absolute zero.
double airDensity(double airTemperature, double vapourPressure, double pressure);

}  // namespace nimbaro
