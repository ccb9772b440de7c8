#include "cloud_base.h"

namespace nimbaro {

double throughTypedUnit(double dewPoint, TemperatureUnit unit) {
    // To Fahrenheit as Td × 9 / 5 + 32, where the cell multiplies by 9 / 5 formed first.
    const double typed = unit == TemperatureUnit::Fahrenheit
                             ? dewPoint * 9 / 5 + 32
                             : converted(dewPoint, TemperatureUnit::Celsius, unit);
    return toCelsius(typed, unit);
}

std::array<double, 2> cloudBaseHeight(double airTemperature, double dewPoint) {
    const double metres = (airTemperature - dewPoint) * 125;
    return {metres, metres / 0.3048};
}

bool hasCloudBase(double metres) {
    return metres >= 0;
}

}  // namespace nimbaro
