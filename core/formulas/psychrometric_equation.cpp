#include "psychrometric_equation.h"

#include <cmath>
#include <limits>

#include "rising_root.h"

namespace nimbaro {
namespace {

constexpr double kPsychrometerCoefficient = 6.53e-4;
constexpr double kCoefficientSlope = 0.000944;

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

double coefficient(double wetBulb) {
    return kPsychrometerCoefficient * (1 + kCoefficientSlope * wetBulb);
}

}  // namespace

double vapourPressureFromWetBulb(double airTemperature, double wetBulb, double pressure) {
    return saturationVapourPressureOverWater(wetBulb) -
           coefficient(wetBulb) * pressure * (airTemperature - wetBulb);
}

double humidityOfVapourPressure(double airTemperature, double vapourPressure) {
    if (vapourPressure < 0) {
        return kNotANumber;
    }
    return vapourPressure / saturationVapourPressureOverWater(airTemperature) * 100;
}

double wetBulbFromVapourPressure(double airTemperature, double vapourPressure, double pressure) {
    return risingRoot(
        [&](double wetBulb) {
            const double kelvin = wetBulb + kZeroCelsius;
            const double saturation = saturationVapourPressureOverWater(wetBulb);
            const double depression = airTemperature - wetBulb;
            return Point{
                saturation - coefficient(wetBulb) * pressure * depression - vapourPressure,
                saturation * logSaturationSlope(kelvin, Surface::Water) +
                    pressure * (coefficient(wetBulb) -
                                kPsychrometerCoefficient * kCoefficientSlope * depression)};
        },
        airTemperature);
}

double dewPointFromVapourPressure(double vapourPressure) {
    if (!(vapourPressure > 0)) {
        return kNotANumber;
    }
    const double logPressure = std::log(vapourPressure * 100);
    return risingRoot(
        [&](double dewPoint) {
            const double kelvin = dewPoint + kZeroCelsius;
            return Point{logSaturationPressure(kelvin, Surface::Water) - logPressure,
                         logSaturationSlope(kelvin, Surface::Water)};
        },
        0);
}

}  // namespace nimbaro
