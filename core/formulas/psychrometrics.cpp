#include "psychrometrics.h"

#include <cmath>

namespace nimbaro {
namespace {

// The dew point of a humidity with the stages the wet bulb needs again.
struct HumidityInversion {
    double vapourPressure;
    double logarithm;
    double dewPoint;
};

HumidityInversion invertHumidity(double airTemperature, double humidity) {
    const double vapourPressure = humidity * saturationVapourPressure(airTemperature) / 100;
    const double logarithm = std::log(vapourPressure);
    return {vapourPressure, logarithm, (logarithm * 237.7 - 430.22) / (19.08 - logarithm)};
}

// Δ = e × 4098 / (Td + 237.7)².
double saturationSlope(double vapourPressure, double dewPoint) {
    const double shifted = dewPoint + 237.7;
    return vapourPressure * 4098 / (shifted * shifted);
}

double psychrometricConstant(double pressure) {
    return 0.00066 * pressure;
}

}  // namespace

double saturationVapourPressure(double celsius) {
    return 6.11 * std::pow(10.0, 7.5 * celsius / (celsius + 237.7));
}

double relativeHumidity(double airTemperature, double dewPoint) {
    return saturationVapourPressure(dewPoint) / saturationVapourPressure(airTemperature) * 100;
}

double dewPointFromHumidity(double airTemperature, double humidity) {
    return invertHumidity(airTemperature, humidity).dewPoint;
}

double dewPointFromWetBulb(double airTemperature, double wetBulb, double pressure,
                           WetBulbCorrection order) {
    const double atWetBulb = std::exp(17.27 * wetBulb / (wetBulb + 237.3) + 1.8096);
    const double depression = airTemperature - wetBulb;
    const double wetBulbFactor = wetBulb / 610 + 1;
    const double correction = order == WetBulbCorrection::PressureFirst
                                  ? pressure * wetBulbFactor * depression * 0.0007866
                                  : pressure * (depression * 0.0007866 * wetBulbFactor);
    const double logarithm = std::log(atWetBulb - correction);
    return (logarithm * 237.3 - 429.42) / (19.079 - logarithm);
}

bool supersaturated(double airTemperature, double moistureReading) {
    return moistureReading > airTemperature;
}

double wetBulbFromHumidity(double airTemperature, double humidity, double pressure) {
    const HumidityInversion inversion = invertHumidity(airTemperature, humidity);
    const double slope = saturationSlope(inversion.vapourPressure, inversion.dewPoint);
    const double gamma = psychrometricConstant(pressure);
    // Δ × Td is formed as Δ × (L × 237.7 − 430.22) / (19.08 − L), the product first.
    const double logarithm = inversion.logarithm;
    const double weightedDewPoint = slope * (logarithm * 237.7 - 430.22) / (19.08 - logarithm);
    return (airTemperature * gamma + weightedDewPoint) / (gamma + slope);
}

double wetBulbFromDewPoint(double airTemperature, double dewPoint, double pressure) {
    const double atAir = saturationVapourPressure(airTemperature);
    const double humidity = saturationVapourPressure(dewPoint) / atAir * 100;
    const double vapourPressure = atAir * humidity / 100;
    const double slope = saturationSlope(vapourPressure, dewPoint);
    const double gamma = psychrometricConstant(pressure);
    return (airTemperature * gamma + slope * dewPoint) / (gamma + slope);
}

}  // namespace nimbaro
