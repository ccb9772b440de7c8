#pragma once

#include <array>
#include <optional>

namespace nimbaro {

// How warm or cold the air feels, by the indices three weather services publish. Where a
// formula meets a pole or a division by zero, it gives not a number instead, without a
// floating-point fault.

// The humidex of Environment Canada (Masterton and Richardson, 1979), from the air temperature
// T and the dew point Td in degrees Celsius: H = T + 0.5555 × (e − 10), with the vapour
// pressure e = 6.11 × exp(5417.7530 × (1 / 273.16 − 1 / (Td + 273.15))) hPa. Environment
// Canada reports it from an air temperature of 20 °C up. Not a number for a dew point at or
// below absolute zero.
double humidex(double airTemperature, double dewPoint);

// The least air temperature Environment Canada reports a humidex for, °C.
inline constexpr double kHumidexLowestCelsius = 20;

// Environment Canada's degrees of comfort, each from a whole humidex up to the next one's.
enum class HumidexComfort {
    LittleDiscomfort,  // 20 to 29
    SomeDiscomfort,    // 30 to 39
    GreatDiscomfort,   // 40 to 45: avoid exertion
    Dangerous,         // above 45: heat stroke possible
};

struct HumidexBand {
    int from;  // the least whole humidex of the band
    HumidexComfort comfort;
};

inline constexpr std::array<HumidexBand, 4> kHumidexBands{{
    {20, HumidexComfort::LittleDiscomfort},
    {30, HumidexComfort::SomeDiscomfort},
    {40, HumidexComfort::GreatDiscomfort},
    {46, HumidexComfort::Dangerous},
}};

// The band of a humidex rounded to the nearest whole degree (halves up), as Environment Canada
// reports it, so that 29.5 is some discomfort and 45.4 great discomfort. None below 19.5 or for
// not a number.
std::optional<HumidexComfort> humidexComfort(double humidex);

// The vapour pressure the Australian Bureau of Meteorology works its apparent temperature with,
// hPa: e = RH / 100 × 6.105 × exp(17.27 × T / (237.7 + T)), T in degrees Celsius. Given a dew
// point and 100 %, it is the vapour pressure of that dew point. Not a number at and below
// −237.7 °C, its pole.
double bomVapourPressure(double airTemperature, double humidity);

// Steadman's (1994) apparent temperature in the shade as the Bureau of Meteorology publishes it
// ("Thermal Comfort observations"), degrees Celsius, from the air temperature T (°C), the
// vapour pressure e (hPa) and the wind speed v at 10 m (m/s): AT = T + 0.33 × e − 0.70 × v − 4.00.
double apparentTemperature(double airTemperature, double vapourPressure, double windSpeed);

// Steadman's indoor apparent temperature, without sun or wind, as the Bureau of Meteorology
// maps it from monthly means ("Apparent temperature" climate maps), degrees Celsius:
// AT = 0.89 × T + 3.82 × e / 10 − 2.56, e in hPa.
double indoorApparentTemperature(double airTemperature, double vapourPressure);

// Which index the National Weather Service's "feels like" took.
enum class FeelsLikeSource { HeatIndex, WindChill, AirTemperature };

struct FeelsLike {
    double fahrenheit;
    FeelsLikeSource source;
};

// The National Weather Service's "feels like", in degrees Fahrenheit, from the air temperature
// (°F), the relative humidity (%) and the wind speed (mph): its heat index algorithm from 80 °F
// up; the new wind chill at 50 °F and below with a wind of 3 mph or more; the air temperature
// otherwise. Both bounds are inside, as for the heat index and wind chill windows.
FeelsLike nwsFeelsLike(double fahrenheit, double humidity, double milesPerHour);

}  // namespace nimbaro
