#pragma once

#include <array>

namespace nimbaro {

// The speed of sound in metres per second without a correction for the air temperature.
inline constexpr double kUncorrectedSpeedOfSound = 331;

// The speed of sound corrected for the air temperature in degrees Celsius: t × 0.6 + 331.
double speedOfSound(double airTemperature);

// The distance to a lightning stroke whose thunder took `seconds` to arrive at `speed`, in
// metres, kilometres, feet and miles; the product S × v is formed first, then divided.
std::array<double, 4> lightningDistances(double seconds, double speed);

// A corrected speed below zero (air colder than about −551.7 °C) turns every distance
// negative; zero itself is inside.
bool speedOfSoundInRange(double speed);

}  // namespace nimbaro
