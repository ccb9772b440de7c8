#pragma once

#include <array>

#include "formulas/units.h"

namespace nimbaro {

// A dew point derived in degrees Celsius as it reads after being expressed in the unit the
// temperatures were typed in (Td × 9 / 5 + 32, or Td + 273.15) and converted back: the height
// is worked from that value, and it differs from Td in the last digits.
double throughTypedUnit(double dewPoint, TemperatureUnit unit);

// The height of the base of convective cumulus above the observer, 125 metres per degree of
// spread between the air temperature and the dew point (both in degrees Celsius): metres
// (T − Td) × 125 and feet (T − Td) × 125 / 0.3048. A dew point above the air temperature gives
// a negative height.
std::array<double, 2> cloudBaseHeight(double airTemperature, double dewPoint);

// A negative height means there is no cloud base to find; a height of zero is a base on the
// ground (fog), which is inside.
bool hasCloudBase(double metres);

}  // namespace nimbaro
