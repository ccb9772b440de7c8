#include "comfort.h"

#include <cmath>
#include <limits>

#include "formulas/air_thermodynamics.h"
#include "formulas/heat_index.h"
#include "formulas/units.h"
#include "formulas/wind_chill.h"

namespace nimbaro {
namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double kBomOffset = 237.7;

}  // namespace

double humidex(double airTemperature, double dewPoint) {
    const double dewPointKelvin = dewPoint + kZeroCelsiusInKelvins;
    if (dewPointKelvin <= 0) {
        return kNotANumber;
    }
    const double vapourPressure = 6.11 * std::exp(5417.7530 * (1 / 273.16 - 1 / dewPointKelvin));
    return airTemperature + 0.5555 * (vapourPressure - 10);
}

std::optional<HumidexComfort> humidexComfort(double humidex) {
    const double whole = std::round(humidex);
    std::optional<HumidexComfort> comfort;
    for (const HumidexBand& band : kHumidexBands) {
        if (whole >= band.from) {
            comfort = band.comfort;
        }
    }
    return comfort;
}

double bomVapourPressure(double airTemperature, double humidity) {
    if (airTemperature <= -kBomOffset) {
        return kNotANumber;
    }
    return humidity / 100 * 6.105 *
           std::exp(17.27 * airTemperature / (kBomOffset + airTemperature));
}

double apparentTemperature(double airTemperature, double vapourPressure, double windSpeed) {
    return airTemperature + 0.33 * vapourPressure - 0.70 * windSpeed - 4.00;
}

double indoorApparentTemperature(double airTemperature, double vapourPressure) {
    return 0.89 * airTemperature + 3.82 * (vapourPressure / 10) - 2.56;
}

FeelsLike nwsFeelsLike(double fahrenheit, double humidity, double milesPerHour) {
    if (heatIndexInRange(fahrenheit)) {
        return {nwsHeatIndex(fahrenheit, humidity), FeelsLikeSource::HeatIndex};
    }
    constexpr auto kFahrenheit = TemperatureUnit::Fahrenheit;
    constexpr auto kMilesPerHour = WindSpeedUnit::MilesPerHour;
    const WindChillRange range =
        newWindChillRange(fahrenheit, kFahrenheit, milesPerHour, kMilesPerHour);
    if (range.temperatureInRange && range.windInRange) {
        const auto chill = newWindChill(fahrenheit, kFahrenheit, milesPerHour, kMilesPerHour);
        return {chill[1], FeelsLikeSource::WindChill};
    }
    return {fahrenheit, FeelsLikeSource::AirTemperature};
}

}  // namespace nimbaro
