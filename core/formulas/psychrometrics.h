#pragma once

namespace nimbaro {

// Moisture relations of the air, temperatures in degrees Celsius, pressures in hectopascals,
// humidities in percent. Each keeps its own order of operations and its own constants on
// purpose: the dew point found from a humidity inverts with 237.7 / 430.22 / 19.08, the one
// found from a wet bulb with 237.3 / 429.42 / 19.079, and observers compare results to the
// last digit.

// E(t) = 6.11 × 10^(7.5 × t / (t + 237.7)).
double saturationVapourPressure(double celsius);

// RH = E(td) / E(t) × 100.
double relativeHumidity(double airTemperature, double dewPoint);

// e = RH × E(t) / 100, L = ln(e), Td = (L × 237.7 − 430.22) / (19.08 − L).
double dewPointFromHumidity(double airTemperature, double humidity);

// The order in which a window multiplies out the psychrometric correction of the wet bulb;
// the windows differ in it, and so do their last digits.
enum class WetBulbCorrection {
    DepressionFirst,  // P × ((T − Tw) × 0.0007866 × (Tw / 610 + 1))
    PressureFirst,    // P × (Tw / 610 + 1) × (T − Tw) × 0.0007866, left to right
};

// Ew = exp(17.27 × Tw / (Tw + 237.3) + 1.8096), e = Ew − the correction, L = ln(e),
// Td = (L × 237.3 − 429.42) / (19.079 − L).
double dewPointFromWetBulb(double airTemperature, double wetBulb, double pressure,
                           WetBulbCorrection order = WetBulbCorrection::DepressionFirst);

// A dew point or a wet bulb above the air temperature describes air that holds more water
// than it can: a relative humidity over 100 %. Equal to the air temperature is saturation,
// which is inside. Both temperatures in one unit.
bool supersaturated(double airTemperature, double moistureReading);

// The wet bulb in closed form: the air temperature and the dew point weighted by the
// psychrometric constant γ = 0.00066 × P and the slope Δ of the saturation curve at the dew
// point, Tw = (t × γ + Δ × Td) / (γ + Δ).
double wetBulbFromHumidity(double airTemperature, double humidity, double pressure);
double wetBulbFromDewPoint(double airTemperature, double dewPoint, double pressure);

}  // namespace nimbaro
