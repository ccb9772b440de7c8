// Every method of every calculation, one row each: what it reads and checks, its formula, its
// outputs, the notes it can give and how its result is judged.
#include <algorithm>

#include "formulas/cloud_base.h"
#include "formulas/heat_index.h"
#include "formulas/lightning.h"
#include "formulas/psychrometric_equation.h"
#include "formulas/psychrometrics.h"
#include "formulas/thermodynamic_wet_bulb.h"
#include "formulas/wind_chill.h"
#include "method_parts.h"

namespace nimbaro {
namespace {

using enum Input;

// --- the windows' formulas -----------------------------------------------------------------------

OutputValues ofHumidityFromDewPoint(const Typed& typed) {
    return {relativeHumidity(typed.celsius(AirTemperature), typed.celsius(DewPoint))};
}

OutputValues ofHumidityFromWetBulb(const Typed& typed) {
    const double air = typed.celsius(AirTemperature);
    return {relativeHumidity(
        air, dewPointFromWetBulb(air, typed.celsius(WetBulb), typed.hectopascals(AirPressure)))};
}

OutputValues ofDewPointFromHumidity(const Typed& typed) {
    return inEveryTemperatureUnit(
        dewPointFromHumidity(typed.celsius(AirTemperature), typed[Humidity]));
}

OutputValues ofDewPointFromWetBulb(const Typed& typed) {
    return inEveryTemperatureUnit(dewPointFromWetBulb(
        typed.celsius(AirTemperature), typed.celsius(WetBulb), typed.hectopascals(AirPressure)));
}

OutputValues ofWetBulbFromHumidity(const Typed& typed) {
    return inEveryTemperatureUnit(wetBulbFromHumidity(
        typed.celsius(AirTemperature), typed[Humidity], typed.hectopascals(AirPressure)));
}

OutputValues ofWetBulbFromDewPoint(const Typed& typed) {
    return inEveryTemperatureUnit(wetBulbFromDewPoint(
        typed.celsius(AirTemperature), typed.celsius(DewPoint), typed.hectopascals(AirPressure)));
}

double humidityOfDewPointReading(const Typed& typed) {
    return relativeHumidity(typed.celsius(AirTemperature), typed.celsius(DewPoint));
}

// The moisture windows multiply out the wet-bulb correction with the pressure first.
double dewPointOfWetBulbReading(const Typed& typed) {
    return dewPointFromWetBulb(typed.celsius(AirTemperature), typed.celsius(WetBulb),
                               typed.hectopascals(AirPressure), WetBulbCorrection::PressureFirst);
}

double humidityOfWetBulbReading(const Typed& typed) {
    return relativeHumidity(typed.celsius(AirTemperature), dewPointOfWetBulbReading(typed));
}

// A derived dew point makes the trip through the typed unit; a typed one does not.
OutputValues ofCloudHeightFromHumidity(const Typed& typed) {
    const double air = typed.celsius(AirTemperature);
    return cloudBaseHeight(
        air, throughTypedUnit(dewPointFromHumidity(air, typed[Humidity]), typed.units.temperature));
}

OutputValues ofCloudHeightFromDewPoint(const Typed& typed) {
    return cloudBaseHeight(typed.celsius(AirTemperature), typed.celsius(DewPoint));
}

OutputValues ofCloudHeightFromWetBulb(const Typed& typed) {
    return cloudBaseHeight(
        typed.celsius(AirTemperature),
        throughTypedUnit(dewPointOfWetBulbReading(typed), typed.units.temperature));
}

OutputValues ofNewWindChill(const Typed& typed) {
    return newWindChill(typed[AirTemperature], typed.units.temperature, typed[WindSpeed],
                        typed.units.windSpeed);
}

OutputValues ofOldWindChill(const Typed& typed) {
    return oldWindChill(typed[AirTemperature], typed.units.temperature, typed[WindSpeed],
                        typed.units.windSpeed);
}

OutputValues ofLightningDistance(const Typed& typed) {
    return lightningDistances(typed[Time], kUncorrectedSpeedOfSound);
}

OutputValues ofCorrectedLightningDistance(const Typed& typed) {
    return lightningDistances(typed[Time], speedOfSound(typed.celsius(AirTemperature)));
}

// --- the reference formulas --------------------------------------------------------------------

// How the vapour pressure of the air and its wet bulb determine each other.
struct WetBulbRelation {
    double (*vapourPressure)(double airTemperature, double wetBulb, double pressure);
    double (*wetBulb)(double airTemperature, double vapourPressure, double pressure);
};

// The WMO psychrometer equation, and the thermodynamic wet bulb of ASHRAE's psychrometric
// equation.
constexpr WetBulbRelation kWmoPsychrometer{vapourPressureFromWetBulb, wetBulbFromVapourPressure};
constexpr WetBulbRelation kAdiabaticSaturation{thermodynamicVapourPressure, thermodynamicWetBulb};

template <const WetBulbRelation& relation>
double vapourPressureOfWetBulbReading(const Typed& typed) {
    return relation.vapourPressure(typed.celsius(AirTemperature), typed.celsius(WetBulb),
                                   typed.hectopascals(AirPressure));
}

template <const WetBulbRelation& relation>
double humidityOfWetBulbBy(const Typed& typed) {
    return humidityOfVapourPressure(typed.celsius(AirTemperature),
                                    vapourPressureOfWetBulbReading<relation>(typed));
}

template <const WetBulbRelation& relation>
double dewPointOfWetBulbBy(const Typed& typed) {
    return dewPointFromVapourPressure(vapourPressureOfWetBulbReading<relation>(typed));
}

template <const WetBulbRelation& relation>
OutputValues wetBulbOfVapourPressure(const Typed& typed, double vapourPressure) {
    return inEveryTemperatureUnit(relation.wetBulb(typed.celsius(AirTemperature), vapourPressure,
                                                   typed.hectopascals(AirPressure)));
}

template <const WetBulbRelation& relation>
OutputValues ofHumidityFromWetBulbBy(const Typed& typed) {
    return {humidityOfWetBulbBy<relation>(typed)};
}

template <const WetBulbRelation& relation>
OutputValues ofDewPointFromWetBulbBy(const Typed& typed) {
    return inEveryTemperatureUnit(dewPointOfWetBulbBy<relation>(typed));
}

template <const WetBulbRelation& relation>
OutputValues ofWetBulbFromHumidityBy(const Typed& typed) {
    return wetBulbOfVapourPressure<relation>(
        typed,
        typed[Humidity] / 100 * saturationVapourPressureOverWater(typed.celsius(AirTemperature)));
}

template <const WetBulbRelation& relation>
OutputValues ofWetBulbFromDewPointBy(const Typed& typed) {
    return wetBulbOfVapourPressure<relation>(
        typed, saturationVapourPressureOverWater(typed.celsius(DewPoint)));
}

template <const WetBulbRelation& relation>
OutputValues ofCloudHeightFromWetBulbBy(const Typed& typed) {
    return cloudBaseHeight(typed.celsius(AirTemperature), dewPointOfWetBulbBy<relation>(typed));
}

// --- the heat index of a humidity found either way ---------------------------------------------

double typedHumidity(const Typed& typed) {
    return typed[Humidity];
}

// The index works on the air temperature as typed, brought to Fahrenheit; the humidity
// derivations work in Celsius and hectopascals.
template <double (*index)(double fahrenheit, double humidity), double (*humidityOf)(const Typed&)>
OutputValues heatIndexOf(const Typed& typed) {
    const double fahrenheit =
        heatIndexAirTemperature(typed[AirTemperature], typed.units.temperature);
    return inEveryTemperatureUnit(index(fahrenheit, humidityOf(typed)),
                                  TemperatureUnit::Fahrenheit);
}

// --- what the methods read and check -----------------------------------------------------------

constexpr Check number(Input input) {
    return {input, Rule::Number};
}

constexpr Input kFromDewPoint[] = {AirTemperature, DewPoint};
constexpr Input kFromHumidity[] = {AirTemperature, Humidity};
constexpr Input kFromWetBulb[] = {AirTemperature, WetBulb, AirPressure};
constexpr Input kFromHumidityAndPressure[] = {AirTemperature, Humidity, AirPressure};
constexpr Input kFromDewPointAndPressure[] = {AirTemperature, DewPoint, AirPressure};
constexpr Input kWindChill[] = {AirTemperature, WindSpeed};
constexpr Input kLightning[] = {Time};
constexpr Input kCorrectedLightning[] = {Time, AirTemperature};

constexpr Check kDewPointChecks[] = {number(AirTemperature), number(DewPoint)};
constexpr Check kHumidityChecks[] = {
    number(AirTemperature), number(Humidity), {Humidity, Rule::HumidityRange}};
constexpr Check kWetBulbChecks[] = {number(AirTemperature), number(WetBulb), number(AirPressure)};
// Every number first, then the humidity's range.
constexpr Check kHumidityAndPressureChecks[] = {
    number(AirTemperature), number(Humidity), number(AirPressure), {Humidity, Rule::HumidityRange}};
constexpr Check kDewPointAndPressureChecks[] = {number(AirTemperature), number(DewPoint),
                                                number(AirPressure)};
constexpr Check kWindChillChecks[] = {
    number(AirTemperature), number(WindSpeed), {WindSpeed, Rule::GreaterThanZero}};
// The time and its range come before the air temperature is looked at.
constexpr Check kLightningChecks[] = {number(Time), {Time, Rule::GreaterThanZero}};
constexpr Check kCorrectedLightningChecks[] = {
    number(Time), {Time, Rule::GreaterThanZero}, number(AirTemperature)};

// --- the notes each method can give, an impossible input before a formula's range -------------

constexpr NoteRule kColdAirNotes[] = {kAirBelowAbsoluteZero};
constexpr NoteRule kDewPointInCelsiusNotes[] = {kAirBelowAbsoluteZero, kDewPointBelowAbsoluteZero,
                                                kDewPointAboveAirInCelsius};
constexpr NoteRule kWetBulbInCelsiusNotes[] = {kAirBelowAbsoluteZero, kWetBulbBelowAbsoluteZero,
                                               kNoAirPressure, kWetBulbAboveAirInCelsius};
constexpr NoteRule kHumidityAndPressureNotes[] = {kAirBelowAbsoluteZero, kNoAirPressure};
constexpr NoteRule kDewPointAndPressureNotes[] = {kAirBelowAbsoluteZero, kDewPointBelowAbsoluteZero,
                                                  kNoAirPressure, kDewPointAboveAirInCelsius};
constexpr NoteRule kHeatIndexFromHumidityNotes[] = {kAirBelowAbsoluteZero, kHeatIndexBelow80F};
constexpr NoteRule kHeatIndexFromDewPointNotes[] = {kAirBelowAbsoluteZero,
                                                    kDewPointBelowAbsoluteZero,
                                                    kDewPointAboveAirAsTyped, kHeatIndexBelow80F};
constexpr NoteRule kHeatIndexFromWetBulbNotes[] = {kAirBelowAbsoluteZero, kWetBulbBelowAbsoluteZero,
                                                   kNoAirPressure, kWetBulbAboveAirAsTyped,
                                                   kHeatIndexBelow80F};
constexpr NoteRule kPsychrometricHeatIndexNotes[] = {kAirBelowAbsoluteZero,
                                                     kWetBulbBelowAbsoluteZero, kNoAirPressure,
                                                     kWetBulbAboveAirInCelsius, kHeatIndexBelow80F};
constexpr NoteRule kCloudHeightFromHumidityNotes[] = {kAirBelowAbsoluteZero, kNoCloudBase};
constexpr NoteRule kCloudHeightFromDewPointNotes[] = {kAirBelowAbsoluteZero,
                                                      kDewPointBelowAbsoluteZero, kNoCloudBase};
constexpr NoteRule kCloudHeightFromWetBulbNotes[] = {
    kAirBelowAbsoluteZero, kWetBulbBelowAbsoluteZero, kNoAirPressure, kNoCloudBase};
constexpr NoteRule kNewWindChillNotes[] = {kAirBelowAbsoluteZero, kNewWindChillOutsideBoth,
                                           kNewWindChillAbove50F, kNewWindChillBelow3Mph};
// The speed of sound turns negative far below absolute zero; its own note is all the
// correction gives.
constexpr NoteRule kCorrectedLightningNotes[] = {kNegativeSpeedOfSound};

// --- the methods as data -----------------------------------------------------------------------

// The units of the outputs, by their places among their quantity's units.
constexpr UnitRef kPercent[] = {{relativeHumidityQuantity, 0}};
constexpr UnitRef kTemperatures[] = {
    {temperatureQuantity, 0}, {temperatureQuantity, 1}, {temperatureQuantity, 2}};
constexpr UnitRef kMetres{lengthQuantity, 1};
constexpr UnitRef kFeet{lengthQuantity, 4};
constexpr UnitRef kHeights[] = {kMetres, kFeet};
constexpr UnitRef kDistances[] = {kMetres, {lengthQuantity, 2}, kFeet, {lengthQuantity, 6}};

constexpr References kNws{Reference::Nws};
constexpr References kPsychrometric{Reference::Psychrometric};
constexpr References kNwsAndPsychrometric{Reference::Nws, Reference::Psychrometric};
constexpr References kThermodynamic{Reference::Thermodynamic};
constexpr References kNwsAndThermodynamic{Reference::Nws, Reference::Thermodynamic};

// What the windows' methods are compared with, and how far apart they may lie: a heat index 1 °F
// from the NWS's for the same inputs; a wet bulb and a dew point 0.5 °C, a humidity 2 points
// from the thermodynamic wet bulb's.
constexpr ReferenceCheck comparedWithNws(Method reference) {
    return {reference, 1, 1.0, "NWS heat index"};
}
constexpr ReferenceCheck comparedWithThermodynamic(Method reference, std::string_view name) {
    return {reference, 0, 0.5, name};
}
constexpr ReferenceCheck kThermodynamicHumidity{Method::HumidityFromWetBulbThermodynamic, 0, 2.0,
                                                "Thermodynamic humidity"};
constexpr std::string_view kThermodynamicWetBulb = "Thermodynamic wet bulb";

// In the order of Method.
constexpr MethodInfo kMethods[] = {
    {Method::HumidityFromDewPoint,
     Calculation::RelativeHumidity,
     "humidity-from-dew-point",
     "Relative humidity from air temperature and dew point",
     kFromDewPoint,
     kDewPointChecks,
     {},
     ofHumidityFromDewPoint,
     kPercent,
     kDewPointInCelsiusNotes},
    {Method::HumidityFromWetBulb,
     Calculation::RelativeHumidity,
     "humidity-from-wet-bulb",
     "Relative humidity from air temperature, wet bulb and air pressure",
     kFromWetBulb,
     kWetBulbChecks,
     {},
     ofHumidityFromWetBulb,
     kPercent,
     kWetBulbInCelsiusNotes,
     RiskRule::None,
     kThermodynamicHumidity},
    {Method::DewPointFromHumidity,
     Calculation::DewPoint,
     "dew-point-from-humidity",
     "Dew point from air temperature and humidity",
     kFromHumidity,
     kHumidityChecks,
     {},
     ofDewPointFromHumidity,
     kTemperatures,
     kColdAirNotes},
    {Method::DewPointFromWetBulb,
     Calculation::DewPoint,
     "dew-point-from-wet-bulb",
     "Dew point from air temperature, wet bulb and air pressure",
     kFromWetBulb,
     kWetBulbChecks,
     {},
     ofDewPointFromWetBulb,
     kTemperatures,
     kWetBulbInCelsiusNotes,
     RiskRule::None,
     comparedWithThermodynamic(Method::DewPointFromWetBulbThermodynamic,
                               "Thermodynamic dew point")},
    {Method::WetBulbFromHumidity,
     Calculation::WetBulb,
     "wet-bulb-from-humidity",
     "Wet bulb from air temperature, humidity and air pressure",
     kFromHumidityAndPressure,
     kHumidityAndPressureChecks,
     {},
     ofWetBulbFromHumidity,
     kTemperatures,
     kHumidityAndPressureNotes,
     RiskRule::None,
     comparedWithThermodynamic(Method::WetBulbFromHumidityThermodynamic, kThermodynamicWetBulb)},
    {Method::WetBulbFromDewPoint,
     Calculation::WetBulb,
     "wet-bulb-from-dew-point",
     "Wet bulb from air temperature, dew point and air pressure",
     kFromDewPointAndPressure,
     kDewPointAndPressureChecks,
     {},
     ofWetBulbFromDewPoint,
     kTemperatures,
     kDewPointAndPressureNotes,
     RiskRule::None,
     comparedWithThermodynamic(Method::WetBulbFromDewPointThermodynamic, kThermodynamicWetBulb)},
    {Method::HeatIndexFromHumidity,
     Calculation::HeatIndex,
     "heat-index-from-humidity",
     "Heat index from air temperature and humidity",
     kFromHumidity,
     kHumidityChecks,
     {},
     heatIndexOf<heatIndex, typedHumidity>,
     kTemperatures,
     kHeatIndexFromHumidityNotes,
     RiskRule::HeatIndex,
     comparedWithNws(Method::HeatIndexFromHumidityNws)},
    {Method::HeatIndexFromDewPoint,
     Calculation::HeatIndex,
     "heat-index-from-dew-point",
     "Heat index from air temperature and dew point",
     kFromDewPoint,
     kDewPointChecks,
     {},
     heatIndexOf<heatIndex, humidityOfDewPointReading>,
     kTemperatures,
     kHeatIndexFromDewPointNotes,
     RiskRule::HeatIndex,
     comparedWithNws(Method::HeatIndexFromDewPointNws)},
    {Method::HeatIndexFromWetBulb,
     Calculation::HeatIndex,
     "heat-index-from-wet-bulb",
     "Heat index from air temperature, wet bulb and air pressure",
     kFromWetBulb,
     kWetBulbChecks,
     {},
     heatIndexOf<heatIndex, humidityOfWetBulbReading>,
     kTemperatures,
     kHeatIndexFromWetBulbNotes,
     RiskRule::HeatIndex,
     comparedWithNws(Method::HeatIndexFromWetBulbNws)},
    {Method::CloudHeightFromHumidity,
     Calculation::CloudHeight,
     "cloud-height-from-humidity",
     "Cloud base height from air temperature and humidity",
     kFromHumidity,
     kHumidityChecks,
     {},
     ofCloudHeightFromHumidity,
     kHeights,
     kCloudHeightFromHumidityNotes},
    {Method::CloudHeightFromDewPoint,
     Calculation::CloudHeight,
     "cloud-height-from-dew-point",
     "Cloud base height from air temperature and dew point",
     kFromDewPoint,
     kDewPointChecks,
     {},
     ofCloudHeightFromDewPoint,
     kHeights,
     kCloudHeightFromDewPointNotes},
    {Method::CloudHeightFromWetBulb,
     Calculation::CloudHeight,
     "cloud-height-from-wet-bulb",
     "Cloud base height from air temperature, wet bulb and air pressure",
     kFromWetBulb,
     kWetBulbChecks,
     {},
     ofCloudHeightFromWetBulb,
     kHeights,
     kCloudHeightFromWetBulbNotes},
    {Method::NewWindChill,
     Calculation::WindChill,
     "wind-chill-new",
     "Wind chill from air temperature and wind speed, new formula",
     kWindChill,
     kWindChillChecks,
     {},
     ofNewWindChill,
     kTemperatures,
     kNewWindChillNotes,
     RiskRule::WindChill},
    {Method::OldWindChill,
     Calculation::WindChill,
     "wind-chill-old",
     "Wind chill from air temperature and wind speed, old formula",
     kWindChill,
     kWindChillChecks,
     {},
     ofOldWindChill,
     kTemperatures,
     kColdAirNotes},
    {Method::LightningDistance,
     Calculation::LightningDistance,
     "lightning-distance",
     "Lightning distance from the time to the thunder",
     kLightning,
     kLightningChecks,
     {},
     ofLightningDistance,
     kDistances,
     {}},
    {Method::CorrectedLightningDistance,
     Calculation::LightningDistance,
     "lightning-distance-corrected",
     "Lightning distance from the time to the thunder, corrected for the air temperature",
     kCorrectedLightning,
     kCorrectedLightningChecks,
     {},
     ofCorrectedLightningDistance,
     kDistances,
     kCorrectedLightningNotes},
    {Method::HumidityFromWetBulbPsychrometric, Calculation::RelativeHumidity,
     "humidity-from-wet-bulb-psychrometric",
     "Relative humidity from air temperature, wet bulb and air pressure, by the WMO psychrometer "
     "equation",
     kFromWetBulb, kWetBulbChecks, kPsychrometric, ofHumidityFromWetBulbBy<kWmoPsychrometer>,
     kPercent, kWetBulbInCelsiusNotes},
    {Method::HumidityFromWetBulbThermodynamic, Calculation::RelativeHumidity,
     "humidity-from-wet-bulb-thermodynamic",
     "Relative humidity from air temperature, thermodynamic wet bulb and air pressure",
     kFromWetBulb, kWetBulbChecks, kThermodynamic, ofHumidityFromWetBulbBy<kAdiabaticSaturation>,
     kPercent, kWetBulbInCelsiusNotes},
    {Method::DewPointFromWetBulbPsychrometric, Calculation::DewPoint,
     "dew-point-from-wet-bulb-psychrometric",
     "Dew point from air temperature, wet bulb and air pressure, by the WMO psychrometer "
     "equation",
     kFromWetBulb, kWetBulbChecks, kPsychrometric, ofDewPointFromWetBulbBy<kWmoPsychrometer>,
     kTemperatures, kWetBulbInCelsiusNotes},
    {Method::DewPointFromWetBulbThermodynamic, Calculation::DewPoint,
     "dew-point-from-wet-bulb-thermodynamic",
     "Dew point from air temperature, thermodynamic wet bulb and air pressure", kFromWetBulb,
     kWetBulbChecks, kThermodynamic, ofDewPointFromWetBulbBy<kAdiabaticSaturation>, kTemperatures,
     kWetBulbInCelsiusNotes},
    {Method::WetBulbFromHumidityPsychrometric, Calculation::WetBulb,
     "wet-bulb-from-humidity-psychrometric",
     "Wet bulb from air temperature, humidity and air pressure, by the WMO psychrometer equation",
     kFromHumidityAndPressure, kHumidityAndPressureChecks, kPsychrometric,
     ofWetBulbFromHumidityBy<kWmoPsychrometer>, kTemperatures, kHumidityAndPressureNotes},
    {Method::WetBulbFromDewPointPsychrometric, Calculation::WetBulb,
     "wet-bulb-from-dew-point-psychrometric",
     "Wet bulb from air temperature, dew point and air pressure, by the WMO psychrometer equation",
     kFromDewPointAndPressure, kDewPointAndPressureChecks, kPsychrometric,
     ofWetBulbFromDewPointBy<kWmoPsychrometer>, kTemperatures, kDewPointAndPressureNotes},
    {Method::WetBulbFromHumidityThermodynamic, Calculation::WetBulb,
     "wet-bulb-from-humidity-thermodynamic",
     "Thermodynamic wet bulb from air temperature, humidity and air pressure",
     kFromHumidityAndPressure, kHumidityAndPressureChecks, kThermodynamic,
     ofWetBulbFromHumidityBy<kAdiabaticSaturation>, kTemperatures, kHumidityAndPressureNotes},
    {Method::WetBulbFromDewPointThermodynamic, Calculation::WetBulb,
     "wet-bulb-from-dew-point-thermodynamic",
     "Thermodynamic wet bulb from air temperature, dew point and air pressure",
     kFromDewPointAndPressure, kDewPointAndPressureChecks, kThermodynamic,
     ofWetBulbFromDewPointBy<kAdiabaticSaturation>, kTemperatures, kDewPointAndPressureNotes},
    {Method::HeatIndexFromHumidityNws, Calculation::HeatIndex, "heat-index-from-humidity-nws",
     "Heat index from air temperature and humidity, by the NWS's algorithm", kFromHumidity,
     kHumidityChecks, kNws, heatIndexOf<nwsHeatIndex, typedHumidity>, kTemperatures, kColdAirNotes,
     RiskRule::NwsHeatIndex},
    {Method::HeatIndexFromDewPointNws, Calculation::HeatIndex, "heat-index-from-dew-point-nws",
     "Heat index from air temperature and dew point, by the NWS's algorithm", kFromDewPoint,
     kDewPointChecks, kNws, heatIndexOf<nwsHeatIndex, humidityOfDewPointReading>, kTemperatures,
     kDewPointInCelsiusNotes, RiskRule::NwsHeatIndex},
    {Method::HeatIndexFromWetBulbNws, Calculation::HeatIndex, "heat-index-from-wet-bulb-nws",
     "Heat index from air temperature, wet bulb and air pressure, by the NWS's algorithm",
     kFromWetBulb, kWetBulbChecks, kNws, heatIndexOf<nwsHeatIndex, humidityOfWetBulbReading>,
     kTemperatures, kWetBulbInCelsiusNotes, RiskRule::NwsHeatIndex},
    {Method::HeatIndexFromWetBulbPsychrometric, Calculation::HeatIndex,
     "heat-index-from-wet-bulb-psychrometric",
     "Heat index from air temperature, wet bulb and air pressure, its humidity by the WMO "
     "psychrometer equation",
     kFromWetBulb, kWetBulbChecks, kPsychrometric,
     heatIndexOf<heatIndex, humidityOfWetBulbBy<kWmoPsychrometer>>, kTemperatures,
     kPsychrometricHeatIndexNotes, RiskRule::HeatIndex},
    {Method::HeatIndexFromWetBulbNwsPsychrometric, Calculation::HeatIndex,
     "heat-index-from-wet-bulb-nws-psychrometric",
     "Heat index from air temperature, wet bulb and air pressure, by the NWS's algorithm, its "
     "humidity by the WMO psychrometer equation",
     kFromWetBulb, kWetBulbChecks, kNwsAndPsychrometric,
     heatIndexOf<nwsHeatIndex, humidityOfWetBulbBy<kWmoPsychrometer>>, kTemperatures,
     kWetBulbInCelsiusNotes, RiskRule::NwsHeatIndex},
    {Method::HeatIndexFromWetBulbThermodynamic, Calculation::HeatIndex,
     "heat-index-from-wet-bulb-thermodynamic",
     "Heat index from air temperature, thermodynamic wet bulb and air pressure", kFromWetBulb,
     kWetBulbChecks, kThermodynamic,
     heatIndexOf<heatIndex, humidityOfWetBulbBy<kAdiabaticSaturation>>, kTemperatures,
     kPsychrometricHeatIndexNotes, RiskRule::HeatIndex},
    {Method::HeatIndexFromWetBulbNwsThermodynamic, Calculation::HeatIndex,
     "heat-index-from-wet-bulb-nws-thermodynamic",
     "Heat index from air temperature, thermodynamic wet bulb and air pressure, by the NWS's "
     "algorithm",
     kFromWetBulb, kWetBulbChecks, kNwsAndThermodynamic,
     heatIndexOf<nwsHeatIndex, humidityOfWetBulbBy<kAdiabaticSaturation>>, kTemperatures,
     kWetBulbInCelsiusNotes, RiskRule::NwsHeatIndex},
    {Method::CloudHeightFromWetBulbPsychrometric, Calculation::CloudHeight,
     "cloud-height-from-wet-bulb-psychrometric",
     "Cloud base height from air temperature, wet bulb and air pressure, its dew point by the "
     "WMO psychrometer equation",
     kFromWetBulb, kWetBulbChecks, kPsychrometric, ofCloudHeightFromWetBulbBy<kWmoPsychrometer>,
     kHeights, kCloudHeightFromWetBulbNotes},
    {Method::CloudHeightFromWetBulbThermodynamic, Calculation::CloudHeight,
     "cloud-height-from-wet-bulb-thermodynamic",
     "Cloud base height from air temperature, thermodynamic wet bulb and air pressure",
     kFromWetBulb, kWetBulbChecks, kThermodynamic, ofCloudHeightFromWetBulbBy<kAdiabaticSaturation>,
     kHeights, kCloudHeightFromWetBulbNotes},
};

constexpr bool inMethodOrder() {
    for (std::size_t i = 0; i < std::size(kMethods); ++i) {
        if (kMethods[i].method != static_cast<Method>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(inMethodOrder());

// The `count` methods from `first`, which stand together in the table.
constexpr std::span<const MethodInfo> methodsFrom(Method first, std::size_t count) {
    return {kMethods + static_cast<std::size_t>(first), count};
}

constexpr CalculationInfo kCalculations[] = {
    {Calculation::RelativeHumidity, "humidity", "Relative Humidity",
     methodsFrom(Method::HumidityFromDewPoint, 2),
     methodsFrom(Method::HumidityFromWetBulbPsychrometric, 2), kPercent},
    {Calculation::DewPoint, "dew-point", "Dew Point", methodsFrom(Method::DewPointFromHumidity, 2),
     methodsFrom(Method::DewPointFromWetBulbPsychrometric, 2), kTemperatures},
    {Calculation::WetBulb, "wet-bulb", "Wet Bulb", methodsFrom(Method::WetBulbFromHumidity, 2),
     methodsFrom(Method::WetBulbFromHumidityPsychrometric, 4), kTemperatures},
    {Calculation::HeatIndex, "heat-index", "Heat Index",
     methodsFrom(Method::HeatIndexFromHumidity, 3),
     methodsFrom(Method::HeatIndexFromHumidityNws, 7), kTemperatures},
    {Calculation::CloudHeight, "cloud-height", "Cloud Base Height",
     methodsFrom(Method::CloudHeightFromHumidity, 3),
     methodsFrom(Method::CloudHeightFromWetBulbPsychrometric, 2), kHeights},
    {Calculation::WindChill,
     "wind-chill",
     "Wind Chill",
     methodsFrom(Method::NewWindChill, 2),
     {},
     kTemperatures},
    {Calculation::LightningDistance,
     "lightning",
     "Lightning Distance",
     methodsFrom(Method::LightningDistance, 2),
     {},
     kDistances},
};

// Each calculation in the order of Calculation, owning exactly the methods of its own.
constexpr bool methodsBelongToTheirCalculation() {
    std::size_t owned = 0;
    for (std::size_t i = 0; i < std::size(kCalculations); ++i) {
        const CalculationInfo& calculation = kCalculations[i];
        if (calculation.calculation != static_cast<Calculation>(i)) {
            return false;
        }
        for (const auto group : {calculation.methods, calculation.references}) {
            for (const MethodInfo& method : group) {
                if (method.calculation != calculation.calculation ||
                    method.references.none() != (group.data() == calculation.methods.data())) {
                    return false;
                }
                ++owned;
            }
        }
    }
    return owned == std::size(kMethods);
}
static_assert(methodsBelongToTheirCalculation());

// A window's method is compared on one of its outputs with a reference method of its own
// calculation that reads the same inputs.
constexpr bool comparedLikeWithLike() {
    for (const MethodInfo& method : kMethods) {
        if (!method.comparedWith) {
            continue;
        }
        const MethodInfo& reference =
            kMethods[static_cast<std::size_t>(method.comparedWith->reference)];
        if (!method.references.none() || reference.references.none() ||
            reference.calculation != method.calculation ||
            !std::equal(method.inputs.begin(), method.inputs.end(), reference.inputs.begin(),
                        reference.inputs.end()) ||
            method.comparedWith->output >= method.outputs.size()) {
            return false;
        }
    }
    return true;
}
static_assert(comparedLikeWithLike());

constexpr ReferenceInfo kReferences[] = {
    {Reference::Nws, "nws",
     "the heat index of the US National Weather Service: Steadman's simple formula, and from "
     "80 F Rothfusz's regression with the NWS's two adjustments",
     "NWS Weather Prediction Center, \"The Heat Index Equation\"; L. P. Rothfusz, NWS Technical "
     "Attachment SR 90-23 (1990)"},
    {Reference::Psychrometric, "psychrometric",
     "the WMO psychrometer equation e = Es(Tw) - A P (T - Tw), the reading of an aspirated "
     "(Assmann) psychrometer, solved by iteration, with the saturation vapour pressure Es over "
     "water of Hyland and Wexler",
     "WMO Guide to Instruments and Methods of Observation (WMO-No. 8): A = 6.53e-4 (1 + "
     "0.000944 Tw) per degree for the Assmann psychrometer; R. W. Hyland and A. Wexler (1983), "
     "as in the ASHRAE Handbook of Fundamentals"},
    {Reference::Thermodynamic, "thermodynamic",
     "the thermodynamic wet bulb of ASHRAE's psychrometric equation at the given pressure, with "
     "the humidity ratio W = 0.621945 e / (P - e) and Hyland and Wexler's saturation vapour "
     "pressure, over ice for a wet bulb below 0 C; humidity and dew point over water; solved "
     "by iteration to 1e-12 of the wet bulb",
     "ASHRAE Handbook - Fundamentals (2017), chapter 1, equations 5, 6, 20, 33 and 35"},
};

}  // namespace

std::span<const ReferenceInfo> referenceFormulas() {
    return kReferences;
}

std::span<const CalculationInfo> calculations() {
    return kCalculations;
}

const CalculationInfo& calculationInfo(Calculation calculation) {
    return kCalculations[static_cast<std::size_t>(calculation)];
}

std::span<const MethodInfo> methods() {
    return kMethods;
}

const MethodInfo& methodInfo(Method method) {
    return kMethods[static_cast<std::size_t>(method)];
}

bool reads(Method method, Input input) {
    const auto inputs = methodInfo(method).inputs;
    return std::find(inputs.begin(), inputs.end(), input) != inputs.end();
}

std::vector<RangeNote> possibleNotes(std::span<const MethodInfo> methods) {
    std::vector<RangeNote> notes;
    for (const MethodInfo& method : methods) {
        for (const NoteRule& rule : method.notes) {
            notes.push_back(rule.note);
        }
    }
    std::sort(notes.begin(), notes.end());
    notes.erase(std::unique(notes.begin(), notes.end()), notes.end());
    return notes;
}

}  // namespace nimbaro
