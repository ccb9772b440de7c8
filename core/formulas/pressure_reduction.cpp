#include "pressure_reduction.h"

#include <cmath>
#include <limits>

#include "formulas/air_thermodynamics.h"
#include "formulas/psychrometrics.h"

namespace nimbaro {
namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double kStandardGravity = 9.80665;
constexpr double kFeetToMetres = 0.3048;

// The exponent of the standard atmosphere's pressure–height law that the NWS formulas use.
constexpr double kStandardAtmosphereExponent = 0.190284;
constexpr double kStandardSeaLevelPressure = 1013.25;

// The NWS's own factor from hectopascals to inches of mercury.
constexpr double kHectopascalsPerInchOfMercury = 33.8639;

Altitude inFeet(double feet) {
    return {feet, feet * kFeetToMetres};
}

Altitude nwsDensityAltitude(double stationPressure, double virtualKelvin) {
    const double rankine = 9.0 / 5.0 * (virtualKelvin - kZeroCelsiusInKelvins) + 32 + 459.69;
    if (stationPressure <= 0 || rankine <= 0) {
        return inFeet(kNotANumber);
    }
    const double inches = stationPressure / kHectopascalsPerInchOfMercury;
    return inFeet(145366 * (1 - std::pow(17.326 * inches / rankine, 0.235)));
}

}  // namespace

double seaLevelPressure(double stationPressure, double elevation, double airTemperature) {
    const double meanColumnKelvin =
        airTemperature + kZeroCelsiusInKelvins + kStandardLapseRate * elevation / 2;
    if (meanColumnKelvin <= 0) {
        return kNotANumber;
    }
    return stationPressure *
           std::exp(kStandardGravity * elevation / (kDryAirGasConstant * meanColumnKelvin));
}

double altimeterSetting(double stationPressure, double elevation) {
    const double corrected = stationPressure - 0.3;
    if (corrected <= 0) {
        return kNotANumber;
    }
    const double n = kStandardAtmosphereExponent;
    const double scale = std::pow(kStandardSeaLevelPressure, n) * kStandardLapseRate / 288;
    const double base = 1 + scale * elevation / std::pow(corrected, n);
    if (base < 0) {
        return kNotANumber;
    }
    return corrected * std::pow(base, 1 / n);
}

Altitude pressureAltitude(double pressure) {
    if (pressure < 0) {
        return inFeet(kNotANumber);
    }
    return inFeet(145366.45 * (1 - std::pow(pressure / kStandardSeaLevelPressure,
                                            kStandardAtmosphereExponent)));
}

Altitude densityAltitude(double stationPressure, double airTemperature, double dewPoint) {
    // The NWS reckons the vapour pressure of the dew point as the windows do; −237.7 °C is the
    // pole of that form.
    if (dewPoint <= -237.7) {
        return inFeet(kNotANumber);
    }
    const double vapourPressure = saturationVapourPressure(dewPoint);
    if (stationPressure <= 0 || vapourPressure >= stationPressure) {
        return inFeet(kNotANumber);
    }
    const double virtualKelvin = (airTemperature + kZeroCelsiusInKelvins) /
                                 (1 - vapourPressure / stationPressure * (1 - 0.622));
    return nwsDensityAltitude(stationPressure, virtualKelvin);
}

Altitude dryDensityAltitude(double stationPressure, double airTemperature) {
    return nwsDensityAltitude(stationPressure, airTemperature + kZeroCelsiusInKelvins);
}

}  // namespace nimbaro
