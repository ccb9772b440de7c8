#include "saturation_pressure.h"

#include <cmath>

namespace nimbaro {
namespace {

// c[0] / T + c[1] + c[2] × T + c[3] × T² + c[4] × T³ + c[5] × T⁴ + c[6] × ln T.
struct Coefficients {
    double c[7];
};

constexpr Coefficients kOverIce{{-5.6745359e3, 6.3925247, -9.6778430e-3, 6.2215701e-7, 2.0747825e-9,
                                 -9.4840240e-13, 4.1635019}};
constexpr Coefficients kOverWater{
    {-5.8002206e3, 1.3914993, -4.8640239e-2, 4.1764768e-5, -1.4452093e-8, 0, 6.5459673}};

const Coefficients& coefficientsOver(Surface surface) {
    return surface == Surface::Ice ? kOverIce : kOverWater;
}

}  // namespace

double logSaturationPressure(double kelvin, Surface surface) {
    const double* c = coefficientsOver(surface).c;
    const double t = kelvin;
    return c[0] / t + c[1] + c[2] * t + c[3] * t * t + c[4] * t * t * t + c[5] * t * t * t * t +
           c[6] * std::log(t);
}

double logSaturationSlope(double kelvin, Surface surface) {
    const double* c = coefficientsOver(surface).c;
    const double t = kelvin;
    return -c[0] / (t * t) + c[2] + 2 * c[3] * t + 3 * c[4] * t * t + 4 * c[5] * t * t * t +
           c[6] / t;
}

double saturationPressureOver(double celsius, Surface surface) {
    return std::exp(logSaturationPressure(celsius + kZeroCelsius, surface)) / 100;
}

double saturationVapourPressureOverWater(double celsius) {
    return saturationPressureOver(celsius, Surface::Water);
}

}  // namespace nimbaro
