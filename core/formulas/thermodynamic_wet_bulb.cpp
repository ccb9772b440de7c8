#include "thermodynamic_wet_bulb.h"

#include <limits>

#include "rising_root.h"
#include "saturation_pressure.h"

namespace nimbaro {
namespace {

// The molar mass of water over that of dry air.
constexpr double kMassRatio = 0.621945;
// Specific heats in kJ/(kg K): of dry air, and of water vapour.
constexpr double kDryAirHeat = 1.006;
constexpr double kVapourHeat = 1.86;

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// W = ((a − b × Tw) × Ws − 1.006 × (T − Tw)) / (a + 1.86 × T − c × Tw): a the latent heat at
// 0 °C, b and c the heats that correct it at the wet bulb's temperature.
struct WetBulbRelation {
    double a;
    double b;
    double c;
    Surface surface;
};

constexpr WetBulbRelation kOverWater{2501, 2.326, 4.186, Surface::Water};
constexpr WetBulbRelation kOverIce{2830, 0.24, 2.1, Surface::Ice};

double humidityRatio(double vapourPressure, double pressure) {
    return kMassRatio * vapourPressure / (pressure - vapourPressure);
}

// W of air at T with the wet bulb Tw, and its slope dW / dTw. Where the wet bulb's saturation
// pressure reaches P, the saturated air would hold any amount of vapour: W is infinite there.
Point humidityRatioOfWetBulb(double airTemperature, double wetBulb, double pressure) {
    const WetBulbRelation& relation = wetBulb < 0 ? kOverIce : kOverWater;
    const double saturation = saturationPressureOver(wetBulb, relation.surface);
    if (!(saturation < pressure)) {
        return {kInfinity, 0};
    }
    const double saturated = humidityRatio(saturation, pressure);
    const double saturatedSlope = kMassRatio * pressure * saturation *
                                  logSaturationSlope(wetBulb + kZeroCelsius, relation.surface) /
                                  ((pressure - saturation) * (pressure - saturation));
    const double latent = relation.a - relation.b * wetBulb;
    const double below = relation.a + kVapourHeat * airTemperature - relation.c * wetBulb;
    const double ratio = (latent * saturated - kDryAirHeat * (airTemperature - wetBulb)) / below;
    return {ratio,
            (latent * saturatedSlope - relation.b * saturated + kDryAirHeat + relation.c * ratio) /
                below};
}

}  // namespace

double thermodynamicVapourPressure(double airTemperature, double wetBulb, double pressure) {
    const double ratio = humidityRatioOfWetBulb(airTemperature, wetBulb, pressure).value;
    if (ratio == kInfinity) {
        return kNotANumber;
    }
    return pressure * ratio / (kMassRatio + ratio);
}

double thermodynamicWetBulb(double airTemperature, double vapourPressure, double pressure) {
    if (!(vapourPressure < pressure)) {
        return kNotANumber;
    }
    const double target = humidityRatio(vapourPressure, pressure);
    return risingRoot(
        [&](double wetBulb) {
            const Point ratio = humidityRatioOfWetBulb(airTemperature, wetBulb, pressure);
            return Point{ratio.value - target, ratio.slope};
        },
        airTemperature);
}

}  // namespace nimbaro
