#include "cloud_base.h"

namespace nimbaro {

double throughTypedUnit(double dewPoint, TemperatureUnit unit) {
    switch (unit) {
        case TemperatureUnit::Fahrenheit:
            return toCelsius(dewPoint * 9 / 5 + 32, unit);
        case TemperatureUnit::Kelvin:
            return toCelsius(dewPoint + 273.15, unit);
        case TemperatureUnit::Celsius:
            break;
    }
    return dewPoint;
}

std::array<double, 2> cloudBaseHeight(double airTemperature, double dewPoint) {
    const double metres = (airTemperature - dewPoint) * 125;
    return {metres, metres / 0.3048};
}

bool hasCloudBase(double metres) {
    return metres >= 0;
}

}  // namespace nimbaro
