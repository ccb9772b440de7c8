#include "units.h"

namespace nimbaro {

double toCelsius(double value, TemperatureUnit unit) {
    switch (unit) {
        case TemperatureUnit::Fahrenheit:
            return (value - 32) * 5 / 9;
        case TemperatureUnit::Kelvin:
            return value - 273.15;
        case TemperatureUnit::Celsius:
            break;
    }
    return value;
}

double toHectopascals(double value, PressureUnit unit) {
    switch (unit) {
        case PressureUnit::MillimetresOfMercury:
            return value * 133.322 / 100;
        case PressureUnit::InchesOfMercury:
            return value * 133.322 * 25.4 / 100;
        case PressureUnit::Hectopascals:
            break;
    }
    return value;
}

std::array<double, 3> inEveryTemperatureUnit(double value, TemperatureUnit unit) {
    const double celsius = toCelsius(value, unit);
    switch (unit) {
        case TemperatureUnit::Fahrenheit:
            return {celsius, value, celsius + 273.15};
        case TemperatureUnit::Kelvin:
            return {celsius, celsius * (9.0 / 5.0) + 32, value};
        case TemperatureUnit::Celsius:
            break;
    }
    return {celsius, celsius * (9.0 / 5.0) + 32, celsius + 273.15};
}

bool belowAbsoluteZero(double value, TemperatureUnit unit) {
    switch (unit) {
        case TemperatureUnit::Fahrenheit:
            return value < -459.67;
        case TemperatureUnit::Kelvin:
            return value < 0;
        case TemperatureUnit::Celsius:
            break;
    }
    return value < -273.15;
}

}  // namespace nimbaro
