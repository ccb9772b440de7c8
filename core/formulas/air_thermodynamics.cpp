#include "air_thermodynamics.h"

#include <cmath>
#include <limits>

#include "formulas/moisture.h"

namespace nimbaro {
namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double kReferencePressure = 1000;
// ln of the largest double: exp of anything larger overflows.
constexpr double kLargestExponent = 709.78;

// Bolton's (1980) eq. 10, the saturation vapour pressure over water his fits were made with.
constexpr double kBoltonOffset = 243.5;

double boltonVapourPressure(double celsius) {
    return 6.112 * std::exp(17.67 * celsius / (celsius + kBoltonOffset));
}

// TL of Bolton's eq. 15, in kelvins; not a number where its inner sum vanishes.
double condensationLevelTemperature(double kelvin, double dewPointKelvin) {
    const double inverse = 1 / (dewPointKelvin - 56) + std::log(kelvin / dewPointKelvin) / 800;
    if (inverse == 0) {
        return kNotANumber;
    }
    return 1 / inverse + 56;
}

}  // namespace

double virtualTemperature(double airTemperature, double vapourPressure, double pressure) {
    if (!(vapourPressure >= 0 && vapourPressure < pressure)) {
        return kNotANumber;
    }
    return (airTemperature + kZeroCelsiusInKelvins) /
           (1 - vapourPressure / pressure * (1 - kVapourToDryAirMassRatio));
}

double potentialTemperature(double airTemperature, double pressure) {
    if (pressure <= 0) {
        return kNotANumber;
    }
    return (airTemperature + kZeroCelsiusInKelvins) *
           std::pow(kReferencePressure / pressure, kPoissonConstant);
}

double equivalentPotentialTemperature(double airTemperature, double dewPoint, double pressure) {
    const double kelvin = airTemperature + kZeroCelsiusInKelvins;
    const double dewPointKelvin = dewPoint + kZeroCelsiusInKelvins;
    if (dewPoint <= -kBoltonOffset || kelvin <= 0 || dewPointKelvin == 56) {
        return kNotANumber;
    }
    const double vapourPressure = boltonVapourPressure(dewPoint);
    const double ratio = mixingRatio(vapourPressure, pressure) / 1000;
    const double condensationKelvin = condensationLevelTemperature(kelvin, dewPointKelvin);
    if (std::isnan(ratio) || !std::isgreater(condensationKelvin, 0.0)) {
        return kNotANumber;
    }
    const double exponent = (3036 / condensationKelvin - 1.78) * ratio * (1 + 0.448 * ratio);
    // A vapour pressure close to the pressure gives a mixing ratio the exponential overflows on.
    if (exponent > kLargestExponent) {
        return kNotANumber;
    }
    const double dryPotential = kelvin *
                                std::pow(kReferencePressure / (pressure - vapourPressure), 0.2854) *
                                std::pow(kelvin / condensationKelvin, 0.28 * ratio);
    return dryPotential * std::exp(exponent);
}

double airDensity(double airTemperature, double vapourPressure, double pressure) {
    const double virtualKelvin = virtualTemperature(airTemperature, vapourPressure, pressure);
    // A quiet comparison: the virtual temperature may be not a number, and > on it raises a fault.
    if (!std::isgreater(virtualKelvin, 0.0)) {
        return kNotANumber;
    }
    return 100 * pressure / (kDryAirGasConstant * virtualKelvin);
}

}  // namespace nimbaro
