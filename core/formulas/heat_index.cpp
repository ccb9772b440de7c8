#include "heat_index.h"

#include <cmath>

namespace nimbaro {

double heatIndexAirTemperature(double typed, TemperatureUnit unit) {
    return converted(typed, unit, TemperatureUnit::Fahrenheit);
}

double heatIndex(double fahrenheit, double humidity) {
    const double t = fahrenheit;
    const double rh = humidity;
    const double t2 = std::pow(t, 2);
    const double t3 = std::pow(t, 3);
    const double rh2 = std::pow(rh, 2);
    const double rh3 = std::pow(rh, 3);
    // Term by term, left to right, as the regression is written.
    return 16.923 + 0.185212 * t + 5.37941 * rh - 0.100254 * t * rh + 0.00941695 * t2 +
           0.00728898 * rh2 + 0.000345372 * t2 * rh - 0.000814971 * t * rh2 +
           0.0000102102 * t2 * rh2 - 0.000038646 * t3 + 0.0000291583 * rh3 + 1.42721e-6 * t3 * rh +
           1.97483e-7 * t * rh3 - 2.18429e-8 * t3 * rh2 + 8.43296e-10 * t2 * rh3 -
           4.81975e-11 * t3 * rh3;
}

double nwsHeatIndex(double fahrenheit, double humidity) {
    const double t = fahrenheit;
    const double rh = humidity;
    const double simple = 0.5 * (t + 61.0 + (t - 68.0) * 1.2 + rh * 0.094);
    if ((simple + t) / 2 < 80) {
        return simple;
    }
    double index = -42.379 + 2.04901523 * t + 10.14333127 * rh - 0.22475541 * t * rh -
                   0.00683783 * t * t - 0.05481717 * rh * rh + 0.00122874 * t * t * rh +
                   0.00085282 * t * rh * rh - 0.00000199 * t * t * rh * rh;
    if (rh < 13 && t >= 80 && t <= 112) {
        index -= (13 - rh) / 4 * std::sqrt((17 - std::fabs(t - 95)) / 17);
    } else if (rh > 85 && t >= 80 && t <= 87) {
        index += (rh - 85) / 10 * ((87 - t) / 5);
    }
    return index;
}

bool heatIndexInRange(double fahrenheit) {
    return fahrenheit >= kHeatIndexLowestFahrenheit;
}

}  // namespace nimbaro
