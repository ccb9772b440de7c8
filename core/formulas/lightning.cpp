#include "lightning.h"

namespace nimbaro {

double speedOfSound(double airTemperature) {
    return airTemperature * 0.6 + kUncorrectedSpeedOfSound;
}

std::array<double, 4> lightningDistances(double seconds, double speed) {
    const double metres = seconds * speed;
    return {metres, metres / 1000, metres / 0.3048, metres / 1609.344};
}

bool speedOfSoundInRange(double speed) {
    return speed >= 0;
}

}  // namespace nimbaro
