#include "psychrometric_equation.h"

#include <cmath>
#include <limits>

namespace nimbaro {
namespace {

constexpr double kZeroCelsius = 273.15;
// Hyland and Wexler's coefficients over liquid water, for a pressure in pascals.
constexpr double kC8 = -5.8002206e3;
constexpr double kC9 = 1.3914993;
constexpr double kC10 = -4.8640239e-2;
constexpr double kC11 = 4.1764768e-5;
constexpr double kC12 = -1.4452093e-8;
constexpr double kC13 = 6.5459673;

constexpr double kPsychrometerCoefficient = 6.53e-4;
constexpr double kCoefficientSlope = 0.000944;

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

// The searches stay just above absolute zero, where the logarithm of the formula ends.
constexpr double kLowestTemperature = -273.149;

double logSaturationPressure(double kelvin) {
    return kC8 / kelvin + kC9 + kC10 * kelvin + kC11 * kelvin * kelvin +
           kC12 * kelvin * kelvin * kelvin + kC13 * std::log(kelvin);
}

// d ln Es / dT.
double logSaturationSlope(double kelvin) {
    return -kC8 / (kelvin * kelvin) + kC10 + 2 * kC11 * kelvin + 3 * kC12 * kelvin * kelvin +
           kC13 / kelvin;
}

double coefficient(double wetBulb) {
    return kPsychrometerCoefficient * (1 + kCoefficientSlope * wetBulb);
}

struct Point {
    double value;
    double slope;
};

// The root of a function that rises through it, from `start`. A bracket [low, high] with
// f(low) ≤ 0 ≤ f(high) is found by stepping out from the start in doubling steps; Newton steps
// then narrow it, and a step that would leave it halves it instead. The iteration ends when a
// step moves the value by less than 1e-12 of its size, and gives up (not a number) when no
// bracket is found or the steps have not settled after many more than convergence needs. No
// step divides by zero or leaves the bracket, so no fault is raised on the way.
template <typename Function>
double risingRoot(Function at, double start) {
    constexpr int kMostWidenings = 16;
    constexpr int kMostSteps = 200;
    constexpr double kTolerance = 1e-12;
    const Point atStart = at(start);
    if (atStart.value == 0) {
        return start;
    }
    double low = start;
    double high = start;
    const bool rootBelow = atStart.value > 0;
    double step = 1;
    for (int widening = 0;; ++widening, step *= 2) {
        if (widening == kMostWidenings) {
            return kNotANumber;
        }
        if (rootBelow) {
            high = low;
            low = std::fmax(start - step, kLowestTemperature);
            if (at(low).value <= 0) {
                break;
            }
            if (low == kLowestTemperature) {
                return kNotANumber;
            }
        } else {
            low = high;
            high = start + step;
            if (at(high).value >= 0) {
                break;
            }
        }
    }
    double x = rootBelow ? high : low;
    for (int count = 0; count < kMostSteps; ++count) {
        const Point point = at(x);
        if (point.value == 0) {
            return x;
        }
        (point.value < 0 ? low : high) = x;
        double next = low + (high - low) / 2;
        if (point.slope > 0) {
            const double newton = x - point.value / point.slope;
            if (newton > low && newton < high) {
                next = newton;
            }
        }
        if (std::fabs(next - x) <= kTolerance * (1 + std::fabs(x))) {
            return next;
        }
        x = next;
    }
    return kNotANumber;
}

}  // namespace

double saturationVapourPressureOverWater(double celsius) {
    return std::exp(logSaturationPressure(celsius + kZeroCelsius)) / 100;
}

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
                saturation * logSaturationSlope(kelvin) +
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
            return Point{logSaturationPressure(kelvin) - logPressure, logSaturationSlope(kelvin)};
        },
        0);
}

}  // namespace nimbaro
