#pragma once

#include <cmath>
#include <limits>

namespace nimbaro {

// A function's value and slope at one point.
struct Point {
    double value;
    double slope;
};

// The searches for a temperature stay just above absolute zero, where the logarithm of the
// saturation pressure ends.
inline constexpr double kLowestTemperature = -273.149;

// The root of a function of a temperature in degrees Celsius that rises through it, from
// `start`. A bracket [low, high] with f(low) ≤ 0 ≤ f(high) is found by stepping out from the
// start in doubling steps; Newton steps then narrow it, and a step that would leave it halves it
// instead. The iteration ends when a step moves the value by less than 1e-12 of its size, and
// gives up (not a number) when no bracket is found or the steps have not settled after many
// more than convergence needs. No step divides by zero or leaves the bracket, so no fault is
// raised on the way.
template <typename Function>
double risingRoot(Function at, double start) {
    constexpr int kMostWidenings = 16;
    constexpr int kMostSteps = 200;
    constexpr double kTolerance = 1e-12;
    constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
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

}  // namespace nimbaro
