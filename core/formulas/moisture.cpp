#include "moisture.h"

#include <cmath>
#include <limits>

#include "formulas/air_thermodynamics.h"

namespace nimbaro {
namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

// The Magnus coefficients of WMO-No. 8, Annex 4.B.
constexpr double kMagnusScale = 6.112;
constexpr double kWaterSlope = 17.62;
constexpr double kWaterOffset = 243.12;
constexpr double kIceSlope = 22.46;
constexpr double kIceOffset = 272.62;

double magnus(double celsius, double slope, double offset) {
    if (celsius <= -offset) {
        return kNotANumber;
    }
    return kMagnusScale * std::exp(slope * celsius / (offset + celsius));
}

bool holdsVapour(double vapourPressure, double pressure) {
    return vapourPressure >= 0 && vapourPressure < pressure;
}

}  // namespace

double wmoSaturationVapourPressure(double celsius) {
    return magnus(celsius, kWaterSlope, kWaterOffset);
}

double wmoSaturationVapourPressureOverIce(double celsius) {
    return magnus(celsius, kIceSlope, kIceOffset);
}

double wmoVapourPressure(double airTemperature, double humidity) {
    return humidity / 100 * wmoSaturationVapourPressure(airTemperature);
}

double wmoFrostPoint(double vapourPressure) {
    if (vapourPressure <= 0) {
        return kNotANumber;
    }
    const double logarithm = std::log(vapourPressure / kMagnusScale);
    if (logarithm >= kIceSlope) {
        return kNotANumber;
    }
    return kIceOffset * logarithm / (kIceSlope - logarithm);
}

double mixingRatio(double vapourPressure, double pressure) {
    if (!holdsVapour(vapourPressure, pressure)) {
        return kNotANumber;
    }
    return 1000 * kVapourToDryAirMassRatio * vapourPressure / (pressure - vapourPressure);
}

double specificHumidity(double vapourPressure, double pressure) {
    if (!holdsVapour(vapourPressure, pressure)) {
        return kNotANumber;
    }
    const double epsilon = kVapourToDryAirMassRatio;
    return 1000 * epsilon * vapourPressure / (pressure - (1 - epsilon) * vapourPressure);
}

double absoluteHumidity(double vapourPressure, double airTemperature) {
    const double kelvin = airTemperature + kZeroCelsiusInKelvins;
    if (vapourPressure < 0 || kelvin <= 0) {
        return kNotANumber;
    }
    const double vapourGasConstant = kDryAirGasConstant / kVapourToDryAirMassRatio;
    return 100 * vapourPressure / (vapourGasConstant * kelvin) * 1000;
}

}  // namespace nimbaro
