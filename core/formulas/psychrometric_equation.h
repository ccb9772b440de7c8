#pragma once

#include "saturation_pressure.h"

namespace nimbaro {

// The moisture relations of the WMO psychrometer equation, the reading of an aspirated
// (ventilated) psychrometer, e = Es(Tw) − A × P × (T − Tw), with the psychrometer coefficient
// the WMO gives for the Assmann psychrometer (Guide to Instruments and Methods of Observation,
// WMO-No. 8), A = 6.53e-4 × (1 + 0.000944 × Tw) per degree, the same in both directions, and
// the saturation vapour pressure over liquid water of Hyland and Wexler (1983), also below
// 0 °C: humidity is reckoned over water. Temperatures in degrees Celsius, pressures in
// hectopascals.

// e = Es(Tw) − A(Tw) × P × (T − Tw).
double vapourPressureFromWetBulb(double airTemperature, double wetBulb, double pressure);

// The relative humidity, in percent, of air at T holding vapour at the pressure e: e / Es(T) ×
// 100. Not a number for e below zero, as a wet bulb too far below the air temperature gives.
double humidityOfVapourPressure(double airTemperature, double vapourPressure);

// The wet bulb whose psychrometric equation gives the vapour pressure e: the root of
// Es(Tw) − A(Tw) × P × (T − Tw) − e, found by Newton steps kept inside a bracket of the root,
// until a step moves the value by less than 1e-12 of it. Not a number when no root is found
// (as under a pressure below zero).
double wetBulbFromVapourPressure(double airTemperature, double vapourPressure, double pressure);

// The temperature at which e saturates the air over water, by the same kind of iteration on
// ln Es(Td) = ln e. Not a number for e at or below zero.
double dewPointFromVapourPressure(double vapourPressure);

}  // namespace nimbaro
