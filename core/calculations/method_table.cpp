// Every method of every calculation, one row each: what it reads and checks, its formula, its
// outputs, the notes it can give and how its result is judged.
#include <algorithm>
#include <limits>

#include "formulas/air_thermodynamics.h"
#include "formulas/beaufort.h"
#include "formulas/cloud_base.h"
#include "formulas/comfort.h"
#include "formulas/heat_index.h"
#include "formulas/lightning.h"
#include "formulas/moisture.h"
#include "formulas/pressure_reduction.h"
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

// --- the station calculations --------------------------------------------------------------------

OutputValues inEveryPressureUnit(double hectopascals) {
    return {hectopascals,
            converted(hectopascals, PressureUnit::Hectopascals, PressureUnit::InchesOfMercury)};
}

OutputValues ofAltitude(Altitude altitude) {
    return {altitude.feet, altitude.metres};
}

OutputValues ofSeaLevelPressure(const Typed& typed) {
    return inEveryPressureUnit(seaLevelPressure(
        typed.hectopascals(AirPressure), typed.metres(Elevation), typed.celsius(AirTemperature)));
}

OutputValues ofAltimeterSetting(const Typed& typed) {
    return inEveryPressureUnit(
        altimeterSetting(typed.hectopascals(AirPressure), typed.metres(Elevation)));
}

OutputValues ofPressureAltitude(const Typed& typed) {
    return ofAltitude(pressureAltitude(typed.hectopascals(AirPressure)));
}

OutputValues ofDryDensityAltitude(const Typed& typed) {
    return ofAltitude(
        dryDensityAltitude(typed.hectopascals(AirPressure), typed.celsius(AirTemperature)));
}

OutputValues ofDensityAltitudeFromDewPoint(const Typed& typed) {
    return ofAltitude(densityAltitude(typed.hectopascals(AirPressure),
                                      typed.celsius(AirTemperature), typed.celsius(DewPoint)));
}

// The dew point of the windows' humidity formula, whose vapour pressure the NWS's density
// altitude reckons with.
OutputValues ofDensityAltitudeFromHumidity(const Typed& typed) {
    const double air = typed.celsius(AirTemperature);
    return ofAltitude(densityAltitude(typed.hectopascals(AirPressure), air,
                                      dewPointFromHumidity(air, typed[Humidity])));
}

// The vapour pressure of the air by the WMO's Magnus form, from the humidity or the dew point.
double wmoVapourPressureOfHumidity(const Typed& typed) {
    return wmoVapourPressure(typed.celsius(AirTemperature), typed[Humidity]);
}

double wmoVapourPressureOfDewPoint(const Typed& typed) {
    return wmoSaturationVapourPressure(typed.celsius(DewPoint));
}

// The Bureau of Meteorology's, for its apparent temperature.
double bomVapourPressureOfHumidity(const Typed& typed) {
    return bomVapourPressure(typed.celsius(AirTemperature), typed[Humidity]);
}

double bomVapourPressureOfDewPoint(const Typed& typed) {
    return bomVapourPressure(typed.celsius(DewPoint), 100);
}

using VapourPressureOf = double (*)(const Typed&);

template <VapourPressureOf vapourPressure>
OutputValues ofVapourPressure(const Typed& typed) {
    return inEveryPressureUnit(vapourPressure(typed));
}

OutputValues ofSaturationVapourPressure(const Typed& typed) {
    return inEveryPressureUnit(wmoSaturationVapourPressure(typed.celsius(AirTemperature)));
}

// Over ice where ice can form, below 0 °C; over water at and above it.
OutputValues ofSaturationVapourPressureOverIce(const Typed& typed) {
    const double air = typed.celsius(AirTemperature);
    return inEveryPressureUnit(air < 0 ? wmoSaturationVapourPressureOverIce(air)
                                       : wmoSaturationVapourPressure(air));
}

template <VapourPressureOf vapourPressure>
OutputValues ofMixingRatio(const Typed& typed) {
    return {mixingRatio(vapourPressure(typed), typed.hectopascals(AirPressure))};
}

template <VapourPressureOf vapourPressure>
OutputValues ofSpecificHumidity(const Typed& typed) {
    return {specificHumidity(vapourPressure(typed), typed.hectopascals(AirPressure))};
}

template <VapourPressureOf vapourPressure>
OutputValues ofAbsoluteHumidity(const Typed& typed) {
    return {absoluteHumidity(vapourPressure(typed), typed.celsius(AirTemperature))};
}

template <VapourPressureOf vapourPressure>
OutputValues ofFrostPoint(const Typed& typed) {
    return inEveryTemperatureUnit(wmoFrostPoint(vapourPressure(typed)));
}

OutputValues ofHumidex(const Typed& typed) {
    return {humidex(typed.celsius(AirTemperature), typed.celsius(DewPoint))};
}

template <VapourPressureOf vapourPressure>
OutputValues ofApparentTemperature(const Typed& typed) {
    return inEveryTemperatureUnit(apparentTemperature(
        typed.celsius(AirTemperature), vapourPressure(typed), typed.metresPerSecond(WindSpeed)));
}

template <VapourPressureOf vapourPressure>
OutputValues ofIndoorApparentTemperature(const Typed& typed) {
    return inEveryTemperatureUnit(
        indoorApparentTemperature(typed.celsius(AirTemperature), vapourPressure(typed)));
}

OutputValues ofFeelsLike(const Typed& typed) {
    const FeelsLike feelsLike = nwsFeelsLike(
        converted(typed[AirTemperature], typed.units.temperature, TemperatureUnit::Fahrenheit),
        typed[Humidity],
        converted(typed[WindSpeed], typed.units.windSpeed, WindSpeedUnit::MilesPerHour));
    return inEveryTemperatureUnit(feelsLike.fahrenheit, TemperatureUnit::Fahrenheit);
}

template <VapourPressureOf vapourPressure>
OutputValues ofVirtualTemperature(const Typed& typed) {
    return inEveryTemperatureUnit(
        virtualTemperature(typed.celsius(AirTemperature), vapourPressure(typed),
                           typed.hectopascals(AirPressure)),
        TemperatureUnit::Kelvin);
}

OutputValues ofPotentialTemperature(const Typed& typed) {
    return inEveryTemperatureUnit(
        potentialTemperature(typed.celsius(AirTemperature), typed.hectopascals(AirPressure)),
        TemperatureUnit::Kelvin);
}

OutputValues ofEquivalentPotentialTemperature(const Typed& typed) {
    return inEveryTemperatureUnit(
        equivalentPotentialTemperature(typed.celsius(AirTemperature), typed.celsius(DewPoint),
                                       typed.hectopascals(AirPressure)),
        TemperatureUnit::Kelvin);
}

double noVapour(const Typed&) {
    return 0;
}

template <VapourPressureOf vapourPressure>
OutputValues ofAirDensity(const Typed& typed) {
    return {airDensity(typed.celsius(AirTemperature), vapourPressure(typed),
                       typed.hectopascals(AirPressure))};
}

// A speed the table has no force for (not a number) leaves no result.
OutputValues ofBeaufort(const Typed& typed) {
    const std::optional<int> force = beaufortForce(typed.metresPerSecond(WindSpeed));
    return {force ? static_cast<double>(*force) : std::numeric_limits<double>::quiet_NaN()};
}

// --- what the methods check, and so read -------------------------------------------------------

constexpr Check number(Input input) {
    return {input, Rule::Number};
}

constexpr Check kFromDewPoint[] = {number(AirTemperature), number(DewPoint)};
constexpr Check kFromHumidity[] = {
    number(AirTemperature), number(Humidity), {Humidity, Rule::HumidityRange}};
constexpr Check kFromWetBulb[] = {number(AirTemperature), number(WetBulb), number(AirPressure)};
// Every number first, then the humidity's range.
constexpr Check kFromHumidityAndPressure[] = {
    number(AirTemperature), number(Humidity), number(AirPressure), {Humidity, Rule::HumidityRange}};
constexpr Check kFromDewPointAndPressure[] = {number(AirTemperature), number(DewPoint),
                                              number(AirPressure)};
constexpr Check kWindChill[] = {
    number(AirTemperature), number(WindSpeed), {WindSpeed, Rule::GreaterThanZero}};
// The time and its range come before the air temperature is looked at.
constexpr Check kLightning[] = {number(Time), {Time, Rule::GreaterThanZero}};
constexpr Check kCorrectedLightning[] = {
    number(Time), {Time, Rule::GreaterThanZero}, number(AirTemperature)};

// A pressure the station calculations work from must be above zero; a wind may be calm.
constexpr Check kPositivePressure{AirPressure, Rule::GreaterThanZero};
constexpr Check kPressureOnly[] = {number(AirPressure), kPositivePressure};
constexpr Check kPressureAndElevation[] = {number(AirPressure), number(Elevation),
                                           kPositivePressure};
constexpr Check kSeaLevel[] = {number(AirPressure), number(Elevation), number(AirTemperature),
                               kPositivePressure};
constexpr Check kDryAir[] = {number(AirTemperature), number(AirPressure), kPositivePressure};
constexpr Check kMoistAirFromDewPoint[] = {number(AirTemperature), number(DewPoint),
                                           number(AirPressure), kPositivePressure};
constexpr Check kMoistAirFromHumidity[] = {number(AirTemperature),
                                           number(Humidity),
                                           number(AirPressure),
                                           {Humidity, Rule::HumidityRange},
                                           kPositivePressure};
constexpr Check kDewPointOnly[] = {number(DewPoint)};
constexpr Check kAirOnly[] = {number(AirTemperature)};
constexpr Check kWindFromHumidity[] = {number(AirTemperature),
                                       number(Humidity),
                                       number(WindSpeed),
                                       {Humidity, Rule::HumidityRange},
                                       {WindSpeed, Rule::NotNegative}};
constexpr Check kWindFromDewPoint[] = {
    number(AirTemperature), number(DewPoint), number(WindSpeed), {WindSpeed, Rule::NotNegative}};
constexpr Check kWindOnly[] = {number(WindSpeed), {WindSpeed, Rule::NotNegative}};

constexpr Check kDewPointAndPressureOnly[] = {number(DewPoint), number(AirPressure),
                                              kPositivePressure};

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

constexpr NoteRule kDewPointNotes[] = {kDewPointBelowAbsoluteZero};
constexpr NoteRule kFrostPointFromHumidityNotes[] = {kAirBelowAbsoluteZero, kFrostPointAbove0C};
constexpr NoteRule kFrostPointFromDewPointNotes[] = {kDewPointBelowAbsoluteZero,
                                                     kFrostPointAbove0C};
constexpr NoteRule kHumidexNotes[] = {kAirBelowAbsoluteZero, kDewPointBelowAbsoluteZero,
                                      kDewPointAboveAirInCelsius, kHumidexBelow20C};
// One of the last three always applies: the note says which index was taken.
constexpr NoteRule kFeelsLikeNotes[] = {kAirBelowAbsoluteZero, kFeelsLikeHeatIndex,
                                        kFeelsLikeWindChill, kFeelsLikeAirTemperature};

// --- the units of the outputs, the formulas and how results are judged --------------------------

constexpr UnitRef kPercent[] = {HumidityUnit::Percent};
constexpr UnitRef kTemperatures[] = {TemperatureUnit::Celsius, TemperatureUnit::Fahrenheit,
                                     TemperatureUnit::Kelvin};
constexpr UnitRef kHeights[] = {LengthUnit::Metres, LengthUnit::Feet};
constexpr UnitRef kDistances[] = {LengthUnit::Metres, LengthUnit::Kilometres, LengthUnit::Feet,
                                  LengthUnit::Miles};
constexpr UnitRef kPressures[] = {PressureUnit::Hectopascals, PressureUnit::InchesOfMercury};
constexpr UnitRef kAltitudes[] = {LengthUnit::Feet, LengthUnit::Metres};
constexpr UnitRef kMassRatio[] = {MassRatioUnit::GramsPerKilogram};
constexpr UnitRef kVapourDensity[] = {DensityUnit::GramsPerCubicMetre};
constexpr UnitRef kAirDensity[] = {DensityUnit::KilogramsPerCubicMetre};
// A humidex is a number of degrees Celsius, as Environment Canada reports it.
constexpr UnitRef kHumidexDegrees[] = {TemperatureUnit::Celsius};
constexpr UnitRef kForce[] = {BeaufortUnit::Force};

constexpr References kNws{Reference::Nws};
constexpr References kPsychrometric{Reference::Psychrometric};
constexpr References kNwsAndPsychrometric{Reference::Nws, Reference::Psychrometric};
constexpr References kThermodynamic{Reference::Thermodynamic};
constexpr References kNwsAndThermodynamic{Reference::Nws, Reference::Thermodynamic};
constexpr References kOldFormula{Reference::OldWindChill};
constexpr References kOverIce{Reference::OverIce};

// A heat index is judged in Fahrenheit as shown, or in whole degrees as the NWS publishes its
// index; a wind chill in Celsius as shown.
constexpr RiskRule kHeatIndexRisk{RiskScale::HeatIndex, TemperatureUnit::Fahrenheit, 5};
constexpr RiskRule kNwsHeatIndexRisk{RiskScale::HeatIndex, TemperatureUnit::Fahrenheit, 0};
constexpr RiskRule kWindChillRisk{RiskScale::WindChill, TemperatureUnit::Celsius, 5};
// A humidex is judged by its whole degrees, as Environment Canada reports it; a force is whole.
constexpr RiskRule kHumidexComfort{RiskScale::Humidex, TemperatureUnit::Celsius, 0};
constexpr RiskRule kBeaufortDescription{RiskScale::Beaufort, BeaufortUnit::Force, 0};

// What the windows' methods are compared with, and how far apart they may lie: a heat index 1 °F
// from the NWS's for the same inputs; a wet bulb and a dew point 0.5 °C, a humidity 2 points
// from the thermodynamic wet bulb's.
constexpr ReferenceCheck comparedWithNws(Method reference) {
    return {reference, TemperatureUnit::Fahrenheit, 1.0, "NWS heat index"};
}
constexpr ReferenceCheck comparedWithThermodynamic(Method reference, std::string_view name) {
    return {reference, TemperatureUnit::Celsius, 0.5, name};
}
constexpr ReferenceCheck kThermodynamicHumidity{
    Method::HumidityFromWetBulbThermodynamic, HumidityUnit::Percent, 2.0, "Thermodynamic humidity"};
constexpr std::string_view kThermodynamicWetBulb = "Thermodynamic wet bulb";

// --- the methods and the calculations -----------------------------------------------------------

// In the order of Method.
constexpr MethodInfo kMethods[] = {
    {
        .method = Method::HumidityFromDewPoint,
        .calculation = Calculation::RelativeHumidity,
        .id = "humidity-from-dew-point",
        .name = "Relative humidity from air temperature and dew point",
        .checks = kFromDewPoint,
        .formula = ofHumidityFromDewPoint,
        .outputs = kPercent,
        .notes = kDewPointInCelsiusNotes,
    },
    {
        .method = Method::HumidityFromWetBulb,
        .calculation = Calculation::RelativeHumidity,
        .id = "humidity-from-wet-bulb",
        .name = "Relative humidity from air temperature, wet bulb and air pressure",
        .checks = kFromWetBulb,
        .formula = ofHumidityFromWetBulb,
        .outputs = kPercent,
        .notes = kWetBulbInCelsiusNotes,
        .comparedWith = kThermodynamicHumidity,
    },
    {
        .method = Method::DewPointFromHumidity,
        .calculation = Calculation::DewPoint,
        .id = "dew-point-from-humidity",
        .name = "Dew point from air temperature and humidity",
        .checks = kFromHumidity,
        .formula = ofDewPointFromHumidity,
        .outputs = kTemperatures,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::DewPointFromWetBulb,
        .calculation = Calculation::DewPoint,
        .id = "dew-point-from-wet-bulb",
        .name = "Dew point from air temperature, wet bulb and air pressure",
        .checks = kFromWetBulb,
        .formula = ofDewPointFromWetBulb,
        .outputs = kTemperatures,
        .notes = kWetBulbInCelsiusNotes,
        .comparedWith = comparedWithThermodynamic(Method::DewPointFromWetBulbThermodynamic,
                                                  "Thermodynamic dew point"),
    },
    {
        .method = Method::WetBulbFromHumidity,
        .calculation = Calculation::WetBulb,
        .id = "wet-bulb-from-humidity",
        .name = "Wet bulb from air temperature, humidity and air pressure",
        .checks = kFromHumidityAndPressure,
        .formula = ofWetBulbFromHumidity,
        .outputs = kTemperatures,
        .notes = kHumidityAndPressureNotes,
        .comparedWith = comparedWithThermodynamic(Method::WetBulbFromHumidityThermodynamic,
                                                  kThermodynamicWetBulb),
    },
    {
        .method = Method::WetBulbFromDewPoint,
        .calculation = Calculation::WetBulb,
        .id = "wet-bulb-from-dew-point",
        .name = "Wet bulb from air temperature, dew point and air pressure",
        .checks = kFromDewPointAndPressure,
        .formula = ofWetBulbFromDewPoint,
        .outputs = kTemperatures,
        .notes = kDewPointAndPressureNotes,
        .comparedWith = comparedWithThermodynamic(Method::WetBulbFromDewPointThermodynamic,
                                                  kThermodynamicWetBulb),
    },
    {
        .method = Method::HeatIndexFromHumidity,
        .calculation = Calculation::HeatIndex,
        .id = "heat-index-from-humidity",
        .name = "Heat index from air temperature and humidity",
        .checks = kFromHumidity,
        .formula = heatIndexOf<heatIndex, typedHumidity>,
        .outputs = kTemperatures,
        .notes = kHeatIndexFromHumidityNotes,
        .risk = kHeatIndexRisk,
        .comparedWith = comparedWithNws(Method::HeatIndexFromHumidityNws),
    },
    {
        .method = Method::HeatIndexFromDewPoint,
        .calculation = Calculation::HeatIndex,
        .id = "heat-index-from-dew-point",
        .name = "Heat index from air temperature and dew point",
        .checks = kFromDewPoint,
        .formula = heatIndexOf<heatIndex, humidityOfDewPointReading>,
        .outputs = kTemperatures,
        .notes = kHeatIndexFromDewPointNotes,
        .risk = kHeatIndexRisk,
        .comparedWith = comparedWithNws(Method::HeatIndexFromDewPointNws),
    },
    {
        .method = Method::HeatIndexFromWetBulb,
        .calculation = Calculation::HeatIndex,
        .id = "heat-index-from-wet-bulb",
        .name = "Heat index from air temperature, wet bulb and air pressure",
        .checks = kFromWetBulb,
        .formula = heatIndexOf<heatIndex, humidityOfWetBulbReading>,
        .outputs = kTemperatures,
        .notes = kHeatIndexFromWetBulbNotes,
        .risk = kHeatIndexRisk,
        .comparedWith = comparedWithNws(Method::HeatIndexFromWetBulbNws),
    },
    {
        .method = Method::CloudHeightFromHumidity,
        .calculation = Calculation::CloudHeight,
        .id = "cloud-height-from-humidity",
        .name = "Cloud base height from air temperature and humidity",
        .checks = kFromHumidity,
        .formula = ofCloudHeightFromHumidity,
        .outputs = kHeights,
        .notes = kCloudHeightFromHumidityNotes,
    },
    {
        .method = Method::CloudHeightFromDewPoint,
        .calculation = Calculation::CloudHeight,
        .id = "cloud-height-from-dew-point",
        .name = "Cloud base height from air temperature and dew point",
        .checks = kFromDewPoint,
        .formula = ofCloudHeightFromDewPoint,
        .outputs = kHeights,
        .notes = kCloudHeightFromDewPointNotes,
    },
    {
        .method = Method::CloudHeightFromWetBulb,
        .calculation = Calculation::CloudHeight,
        .id = "cloud-height-from-wet-bulb",
        .name = "Cloud base height from air temperature, wet bulb and air pressure",
        .checks = kFromWetBulb,
        .formula = ofCloudHeightFromWetBulb,
        .outputs = kHeights,
        .notes = kCloudHeightFromWetBulbNotes,
    },
    {
        .method = Method::NewWindChill,
        .calculation = Calculation::WindChill,
        .id = "wind-chill-new",
        .name = "Wind chill from air temperature and wind speed, new formula",
        .checks = kWindChill,
        .formula = ofNewWindChill,
        .outputs = kTemperatures,
        .notes = kNewWindChillNotes,
        .risk = kWindChillRisk,
    },
    {
        .method = Method::OldWindChill,
        .calculation = Calculation::WindChill,
        .id = "wind-chill-old",
        .name = "Wind chill from air temperature and wind speed, old formula",
        .references = kOldFormula,
        .checks = kWindChill,
        .formula = ofOldWindChill,
        .outputs = kTemperatures,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::LightningDistance,
        .calculation = Calculation::LightningDistance,
        .id = "lightning-distance",
        .name = "Lightning distance from the time to the thunder",
        .checks = kLightning,
        .formula = ofLightningDistance,
        .outputs = kDistances,
    },
    {
        .method = Method::CorrectedLightningDistance,
        .calculation = Calculation::LightningDistance,
        .id = "lightning-distance-corrected",
        .name =
            "Lightning distance from the time to the thunder, corrected for the air temperature",
        .checks = kCorrectedLightning,
        .formula = ofCorrectedLightningDistance,
        .outputs = kDistances,
        .notes = kCorrectedLightningNotes,
    },
    {
        .method = Method::HumidityFromWetBulbPsychrometric,
        .calculation = Calculation::RelativeHumidity,
        .id = "humidity-from-wet-bulb-psychrometric",
        .name = "Relative humidity from air temperature, wet bulb and air pressure, by the WMO "
                "psychrometer "
                "equation",
        .references = kPsychrometric,
        .checks = kFromWetBulb,
        .formula = ofHumidityFromWetBulbBy<kWmoPsychrometer>,
        .outputs = kPercent,
        .notes = kWetBulbInCelsiusNotes,
    },
    {
        .method = Method::HumidityFromWetBulbThermodynamic,
        .calculation = Calculation::RelativeHumidity,
        .id = "humidity-from-wet-bulb-thermodynamic",
        .name = "Relative humidity from air temperature, thermodynamic wet bulb and air pressure",
        .references = kThermodynamic,
        .checks = kFromWetBulb,
        .formula = ofHumidityFromWetBulbBy<kAdiabaticSaturation>,
        .outputs = kPercent,
        .notes = kWetBulbInCelsiusNotes,
    },
    {
        .method = Method::DewPointFromWetBulbPsychrometric,
        .calculation = Calculation::DewPoint,
        .id = "dew-point-from-wet-bulb-psychrometric",
        .name =
            "Dew point from air temperature, wet bulb and air pressure, by the WMO psychrometer "
            "equation",
        .references = kPsychrometric,
        .checks = kFromWetBulb,
        .formula = ofDewPointFromWetBulbBy<kWmoPsychrometer>,
        .outputs = kTemperatures,
        .notes = kWetBulbInCelsiusNotes,
    },
    {
        .method = Method::DewPointFromWetBulbThermodynamic,
        .calculation = Calculation::DewPoint,
        .id = "dew-point-from-wet-bulb-thermodynamic",
        .name = "Dew point from air temperature, thermodynamic wet bulb and air pressure",
        .references = kThermodynamic,
        .checks = kFromWetBulb,
        .formula = ofDewPointFromWetBulbBy<kAdiabaticSaturation>,
        .outputs = kTemperatures,
        .notes = kWetBulbInCelsiusNotes,
    },
    {
        .method = Method::WetBulbFromHumidityPsychrometric,
        .calculation = Calculation::WetBulb,
        .id = "wet-bulb-from-humidity-psychrometric",
        .name = "Wet bulb from air temperature, humidity and air pressure, by the WMO psychrometer "
                "equation",
        .references = kPsychrometric,
        .checks = kFromHumidityAndPressure,
        .formula = ofWetBulbFromHumidityBy<kWmoPsychrometer>,
        .outputs = kTemperatures,
        .notes = kHumidityAndPressureNotes,
    },
    {
        .method = Method::WetBulbFromDewPointPsychrometric,
        .calculation = Calculation::WetBulb,
        .id = "wet-bulb-from-dew-point-psychrometric",
        .name = "Wet bulb from air temperature, dew point and air pressure, by the WMO "
                "psychrometer equation",
        .references = kPsychrometric,
        .checks = kFromDewPointAndPressure,
        .formula = ofWetBulbFromDewPointBy<kWmoPsychrometer>,
        .outputs = kTemperatures,
        .notes = kDewPointAndPressureNotes,
    },
    {
        .method = Method::WetBulbFromHumidityThermodynamic,
        .calculation = Calculation::WetBulb,
        .id = "wet-bulb-from-humidity-thermodynamic",
        .name = "Thermodynamic wet bulb from air temperature, humidity and air pressure",
        .references = kThermodynamic,
        .checks = kFromHumidityAndPressure,
        .formula = ofWetBulbFromHumidityBy<kAdiabaticSaturation>,
        .outputs = kTemperatures,
        .notes = kHumidityAndPressureNotes,
    },
    {
        .method = Method::WetBulbFromDewPointThermodynamic,
        .calculation = Calculation::WetBulb,
        .id = "wet-bulb-from-dew-point-thermodynamic",
        .name = "Thermodynamic wet bulb from air temperature, dew point and air pressure",
        .references = kThermodynamic,
        .checks = kFromDewPointAndPressure,
        .formula = ofWetBulbFromDewPointBy<kAdiabaticSaturation>,
        .outputs = kTemperatures,
        .notes = kDewPointAndPressureNotes,
    },
    {
        .method = Method::HeatIndexFromHumidityNws,
        .calculation = Calculation::HeatIndex,
        .id = "heat-index-from-humidity-nws",
        .name = "Heat index from air temperature and humidity, by the NWS's algorithm",
        .references = kNws,
        .checks = kFromHumidity,
        .formula = heatIndexOf<nwsHeatIndex, typedHumidity>,
        .outputs = kTemperatures,
        .notes = kColdAirNotes,
        .risk = kNwsHeatIndexRisk,
    },
    {
        .method = Method::HeatIndexFromDewPointNws,
        .calculation = Calculation::HeatIndex,
        .id = "heat-index-from-dew-point-nws",
        .name = "Heat index from air temperature and dew point, by the NWS's algorithm",
        .references = kNws,
        .checks = kFromDewPoint,
        .formula = heatIndexOf<nwsHeatIndex, humidityOfDewPointReading>,
        .outputs = kTemperatures,
        .notes = kDewPointInCelsiusNotes,
        .risk = kNwsHeatIndexRisk,
    },
    {
        .method = Method::HeatIndexFromWetBulbNws,
        .calculation = Calculation::HeatIndex,
        .id = "heat-index-from-wet-bulb-nws",
        .name =
            "Heat index from air temperature, wet bulb and air pressure, by the NWS's algorithm",
        .references = kNws,
        .checks = kFromWetBulb,
        .formula = heatIndexOf<nwsHeatIndex, humidityOfWetBulbReading>,
        .outputs = kTemperatures,
        .notes = kWetBulbInCelsiusNotes,
        .risk = kNwsHeatIndexRisk,
    },
    {
        .method = Method::HeatIndexFromWetBulbPsychrometric,
        .calculation = Calculation::HeatIndex,
        .id = "heat-index-from-wet-bulb-psychrometric",
        .name =
            "Heat index from air temperature, wet bulb and air pressure, its humidity by the WMO "
            "psychrometer equation",
        .references = kPsychrometric,
        .checks = kFromWetBulb,
        .formula = heatIndexOf<heatIndex, humidityOfWetBulbBy<kWmoPsychrometer>>,
        .outputs = kTemperatures,
        .notes = kPsychrometricHeatIndexNotes,
        .risk = kHeatIndexRisk,
    },
    {
        .method = Method::HeatIndexFromWetBulbNwsPsychrometric,
        .calculation = Calculation::HeatIndex,
        .id = "heat-index-from-wet-bulb-nws-psychrometric",
        .name = "Heat index from air temperature, wet bulb and air pressure, by the NWS's "
                "algorithm, its "
                "humidity by the WMO psychrometer equation",
        .references = kNwsAndPsychrometric,
        .checks = kFromWetBulb,
        .formula = heatIndexOf<nwsHeatIndex, humidityOfWetBulbBy<kWmoPsychrometer>>,
        .outputs = kTemperatures,
        .notes = kWetBulbInCelsiusNotes,
        .risk = kNwsHeatIndexRisk,
    },
    {
        .method = Method::HeatIndexFromWetBulbThermodynamic,
        .calculation = Calculation::HeatIndex,
        .id = "heat-index-from-wet-bulb-thermodynamic",
        .name = "Heat index from air temperature, thermodynamic wet bulb and air pressure",
        .references = kThermodynamic,
        .checks = kFromWetBulb,
        .formula = heatIndexOf<heatIndex, humidityOfWetBulbBy<kAdiabaticSaturation>>,
        .outputs = kTemperatures,
        .notes = kPsychrometricHeatIndexNotes,
        .risk = kHeatIndexRisk,
    },
    {
        .method = Method::HeatIndexFromWetBulbNwsThermodynamic,
        .calculation = Calculation::HeatIndex,
        .id = "heat-index-from-wet-bulb-nws-thermodynamic",
        .name = "Heat index from air temperature, thermodynamic wet bulb and air pressure, by the "
                "NWS's "
                "algorithm",
        .references = kNwsAndThermodynamic,
        .checks = kFromWetBulb,
        .formula = heatIndexOf<nwsHeatIndex, humidityOfWetBulbBy<kAdiabaticSaturation>>,
        .outputs = kTemperatures,
        .notes = kWetBulbInCelsiusNotes,
        .risk = kNwsHeatIndexRisk,
    },
    {
        .method = Method::CloudHeightFromWetBulbPsychrometric,
        .calculation = Calculation::CloudHeight,
        .id = "cloud-height-from-wet-bulb-psychrometric",
        .name = "Cloud base height from air temperature, wet bulb and air pressure, its dew point "
                "by the "
                "WMO psychrometer equation",
        .references = kPsychrometric,
        .checks = kFromWetBulb,
        .formula = ofCloudHeightFromWetBulbBy<kWmoPsychrometer>,
        .outputs = kHeights,
        .notes = kCloudHeightFromWetBulbNotes,
    },
    {
        .method = Method::CloudHeightFromWetBulbThermodynamic,
        .calculation = Calculation::CloudHeight,
        .id = "cloud-height-from-wet-bulb-thermodynamic",
        .name = "Cloud base height from air temperature, thermodynamic wet bulb and air pressure",
        .references = kThermodynamic,
        .checks = kFromWetBulb,
        .formula = ofCloudHeightFromWetBulbBy<kAdiabaticSaturation>,
        .outputs = kHeights,
        .notes = kCloudHeightFromWetBulbNotes,
    },
    {
        .method = Method::SeaLevelPressure,
        .calculation = Calculation::SeaLevelPressure,
        .id = "sea-level-pressure",
        .name = "Sea-level pressure from station pressure, elevation and air temperature",
        .checks = kSeaLevel,
        .formula = ofSeaLevelPressure,
        .outputs = kPressures,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::AltimeterSetting,
        .calculation = Calculation::AltimeterSetting,
        .id = "altimeter-setting",
        .name = "Altimeter setting from station pressure and elevation",
        .checks = kPressureAndElevation,
        .formula = ofAltimeterSetting,
        .outputs = kPressures,
    },
    {
        .method = Method::PressureAltitude,
        .calculation = Calculation::PressureAltitude,
        .id = "pressure-altitude",
        .name = "Pressure altitude from air pressure",
        .checks = kPressureOnly,
        .formula = ofPressureAltitude,
        .outputs = kAltitudes,
    },
    {
        .method = Method::DensityAltitudeOfDryAir,
        .calculation = Calculation::DensityAltitude,
        .id = "density-altitude-of-dry-air",
        .name = "Density altitude from station pressure and air temperature, the air taken as dry",
        .checks = kDryAir,
        .formula = ofDryDensityAltitude,
        .outputs = kAltitudes,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::DensityAltitudeFromDewPoint,
        .calculation = Calculation::DensityAltitude,
        .id = "density-altitude-from-dew-point",
        .name = "Density altitude from station pressure, air temperature and dew point",
        .checks = kMoistAirFromDewPoint,
        .formula = ofDensityAltitudeFromDewPoint,
        .outputs = kAltitudes,
        .notes = kDewPointInCelsiusNotes,
    },
    {
        .method = Method::DensityAltitudeFromHumidity,
        .calculation = Calculation::DensityAltitude,
        .id = "density-altitude-from-humidity",
        .name = "Density altitude from station pressure, air temperature and humidity",
        .checks = kMoistAirFromHumidity,
        .formula = ofDensityAltitudeFromHumidity,
        .outputs = kAltitudes,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::VapourPressureFromHumidity,
        .calculation = Calculation::VapourPressure,
        .id = "vapour-pressure-from-humidity",
        .name = "Vapour pressure from air temperature and humidity",
        .checks = kFromHumidity,
        .formula = ofVapourPressure<wmoVapourPressureOfHumidity>,
        .outputs = kPressures,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::VapourPressureFromDewPoint,
        .calculation = Calculation::VapourPressure,
        .id = "vapour-pressure-from-dew-point",
        .name = "Vapour pressure from dew point",
        .checks = kDewPointOnly,
        .formula = ofVapourPressure<wmoVapourPressureOfDewPoint>,
        .outputs = kPressures,
        .notes = kDewPointNotes,
    },
    {
        .method = Method::SaturationVapourPressure,
        .calculation = Calculation::SaturationVapourPressure,
        .id = "saturation-vapour-pressure",
        .name = "Saturation vapour pressure over water from air temperature",
        .checks = kAirOnly,
        .formula = ofSaturationVapourPressure,
        .outputs = kPressures,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::SaturationVapourPressureOverIce,
        .calculation = Calculation::SaturationVapourPressure,
        .id = "saturation-vapour-pressure-over-ice",
        .name = "Saturation vapour pressure from air temperature, over ice below 0 C",
        .references = kOverIce,
        .checks = kAirOnly,
        .formula = ofSaturationVapourPressureOverIce,
        .outputs = kPressures,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::MixingRatioFromHumidity,
        .calculation = Calculation::MixingRatio,
        .id = "mixing-ratio-from-humidity",
        .name = "Mixing ratio from air temperature, humidity and air pressure",
        .checks = kMoistAirFromHumidity,
        .formula = ofMixingRatio<wmoVapourPressureOfHumidity>,
        .outputs = kMassRatio,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::MixingRatioFromDewPoint,
        .calculation = Calculation::MixingRatio,
        .id = "mixing-ratio-from-dew-point",
        .name = "Mixing ratio from dew point and air pressure",
        .checks = kDewPointAndPressureOnly,
        .formula = ofMixingRatio<wmoVapourPressureOfDewPoint>,
        .outputs = kMassRatio,
        .notes = kDewPointNotes,
    },
    {
        .method = Method::SpecificHumidityFromHumidity,
        .calculation = Calculation::SpecificHumidity,
        .id = "specific-humidity-from-humidity",
        .name = "Specific humidity from air temperature, humidity and air pressure",
        .checks = kMoistAirFromHumidity,
        .formula = ofSpecificHumidity<wmoVapourPressureOfHumidity>,
        .outputs = kMassRatio,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::SpecificHumidityFromDewPoint,
        .calculation = Calculation::SpecificHumidity,
        .id = "specific-humidity-from-dew-point",
        .name = "Specific humidity from dew point and air pressure",
        .checks = kDewPointAndPressureOnly,
        .formula = ofSpecificHumidity<wmoVapourPressureOfDewPoint>,
        .outputs = kMassRatio,
        .notes = kDewPointNotes,
    },
    {
        .method = Method::AbsoluteHumidityFromHumidity,
        .calculation = Calculation::AbsoluteHumidity,
        .id = "absolute-humidity-from-humidity",
        .name = "Absolute humidity from air temperature and humidity",
        .checks = kFromHumidity,
        .formula = ofAbsoluteHumidity<wmoVapourPressureOfHumidity>,
        .outputs = kVapourDensity,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::AbsoluteHumidityFromDewPoint,
        .calculation = Calculation::AbsoluteHumidity,
        .id = "absolute-humidity-from-dew-point",
        .name = "Absolute humidity from air temperature and dew point",
        .checks = kFromDewPoint,
        .formula = ofAbsoluteHumidity<wmoVapourPressureOfDewPoint>,
        .outputs = kVapourDensity,
        .notes = kDewPointInCelsiusNotes,
    },
    {
        .method = Method::FrostPointFromHumidity,
        .calculation = Calculation::FrostPoint,
        .id = "frost-point-from-humidity",
        .name = "Frost point from air temperature and humidity",
        .checks = kFromHumidity,
        .formula = ofFrostPoint<wmoVapourPressureOfHumidity>,
        .outputs = kTemperatures,
        .notes = kFrostPointFromHumidityNotes,
    },
    {
        .method = Method::FrostPointFromDewPoint,
        .calculation = Calculation::FrostPoint,
        .id = "frost-point-from-dew-point",
        .name = "Frost point from dew point",
        .checks = kDewPointOnly,
        .formula = ofFrostPoint<wmoVapourPressureOfDewPoint>,
        .outputs = kTemperatures,
        .notes = kFrostPointFromDewPointNotes,
    },
    {
        .method = Method::Humidex,
        .calculation = Calculation::Humidex,
        .id = "humidex",
        .name = "Humidex from air temperature and dew point",
        .checks = kFromDewPoint,
        .formula = ofHumidex,
        .outputs = kHumidexDegrees,
        .notes = kHumidexNotes,
        .risk = kHumidexComfort,
    },
    {
        .method = Method::ApparentTemperatureFromHumidity,
        .calculation = Calculation::ApparentTemperature,
        .id = "apparent-temperature-from-humidity",
        .name = "Apparent temperature from air temperature, humidity and wind speed",
        .checks = kWindFromHumidity,
        .formula = ofApparentTemperature<bomVapourPressureOfHumidity>,
        .outputs = kTemperatures,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::ApparentTemperatureFromDewPoint,
        .calculation = Calculation::ApparentTemperature,
        .id = "apparent-temperature-from-dew-point",
        .name = "Apparent temperature from air temperature, dew point and wind speed",
        .checks = kWindFromDewPoint,
        .formula = ofApparentTemperature<bomVapourPressureOfDewPoint>,
        .outputs = kTemperatures,
        .notes = kDewPointInCelsiusNotes,
    },
    {
        .method = Method::IndoorApparentTemperatureFromHumidity,
        .calculation = Calculation::ApparentTemperature,
        .id = "apparent-temperature-without-wind-from-humidity",
        .name = "Apparent temperature without wind from air temperature and humidity",
        .checks = kFromHumidity,
        .formula = ofIndoorApparentTemperature<bomVapourPressureOfHumidity>,
        .outputs = kTemperatures,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::IndoorApparentTemperatureFromDewPoint,
        .calculation = Calculation::ApparentTemperature,
        .id = "apparent-temperature-without-wind-from-dew-point",
        .name = "Apparent temperature without wind from air temperature and dew point",
        .checks = kFromDewPoint,
        .formula = ofIndoorApparentTemperature<bomVapourPressureOfDewPoint>,
        .outputs = kTemperatures,
        .notes = kDewPointInCelsiusNotes,
    },
    {
        .method = Method::FeelsLike,
        .calculation = Calculation::FeelsLike,
        .id = "feels-like",
        .name = "Feels-like temperature from air temperature, humidity and wind speed",
        .checks = kWindFromHumidity,
        .formula = ofFeelsLike,
        .outputs = kTemperatures,
        .notes = kFeelsLikeNotes,
    },
    {
        .method = Method::VirtualTemperatureFromHumidity,
        .calculation = Calculation::VirtualTemperature,
        .id = "virtual-temperature-from-humidity",
        .name = "Virtual temperature from air temperature, humidity and air pressure",
        .checks = kMoistAirFromHumidity,
        .formula = ofVirtualTemperature<wmoVapourPressureOfHumidity>,
        .outputs = kTemperatures,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::VirtualTemperatureFromDewPoint,
        .calculation = Calculation::VirtualTemperature,
        .id = "virtual-temperature-from-dew-point",
        .name = "Virtual temperature from air temperature, dew point and air pressure",
        .checks = kMoistAirFromDewPoint,
        .formula = ofVirtualTemperature<wmoVapourPressureOfDewPoint>,
        .outputs = kTemperatures,
        .notes = kDewPointInCelsiusNotes,
    },
    {
        .method = Method::PotentialTemperature,
        .calculation = Calculation::PotentialTemperature,
        .id = "potential-temperature",
        .name = "Potential temperature from air temperature and air pressure",
        .checks = kDryAir,
        .formula = ofPotentialTemperature,
        .outputs = kTemperatures,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::EquivalentPotentialTemperature,
        .calculation = Calculation::EquivalentPotentialTemperature,
        .id = "equivalent-potential-temperature",
        .name = "Equivalent potential temperature from air temperature, dew point and air pressure",
        .checks = kMoistAirFromDewPoint,
        .formula = ofEquivalentPotentialTemperature,
        .outputs = kTemperatures,
        .notes = kDewPointInCelsiusNotes,
    },
    {
        .method = Method::AirDensityOfDryAir,
        .calculation = Calculation::AirDensity,
        .id = "air-density-of-dry-air",
        .name = "Air density from air temperature and air pressure, the air taken as dry",
        .checks = kDryAir,
        .formula = ofAirDensity<noVapour>,
        .outputs = kAirDensity,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::AirDensityFromDewPoint,
        .calculation = Calculation::AirDensity,
        .id = "air-density-from-dew-point",
        .name = "Air density from air temperature, dew point and air pressure",
        .checks = kMoistAirFromDewPoint,
        .formula = ofAirDensity<wmoVapourPressureOfDewPoint>,
        .outputs = kAirDensity,
        .notes = kDewPointInCelsiusNotes,
    },
    {
        .method = Method::AirDensityFromHumidity,
        .calculation = Calculation::AirDensity,
        .id = "air-density-from-humidity",
        .name = "Air density from air temperature, humidity and air pressure",
        .checks = kMoistAirFromHumidity,
        .formula = ofAirDensity<wmoVapourPressureOfHumidity>,
        .outputs = kAirDensity,
        .notes = kColdAirNotes,
    },
    {
        .method = Method::Beaufort,
        .calculation = Calculation::Beaufort,
        .id = "beaufort",
        .name = "Beaufort force from wind speed",
        .checks = kWindOnly,
        .formula = ofBeaufort,
        .outputs = kForce,
        .risk = kBeaufortDescription,
    },
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

// In the order of Reference.
constexpr ReferenceInfo kReferences[] = {
    {
        .reference = Reference::Nws,
        .id = "nws",
        .name = "the heat index of the US National Weather Service: Steadman's simple formula, "
                "and from 80 F Rothfusz's regression with the NWS's two adjustments",
        .source = "NWS Weather Prediction Center, \"The Heat Index Equation\"; L. P. Rothfusz, "
                  "NWS Technical Attachment SR 90-23 (1990)",
    },
    {
        .reference = Reference::Psychrometric,
        .id = "psychrometric",
        .name = "the WMO psychrometer equation e = Es(Tw) - A P (T - Tw), the reading of an "
                "aspirated (Assmann) psychrometer, solved by iteration, with the saturation "
                "vapour pressure Es over water of Hyland and Wexler",
        .source = "WMO Guide to Instruments and Methods of Observation (WMO-No. 8): A = 6.53e-4 "
                  "(1 + 0.000944 Tw) per degree for the Assmann psychrometer; R. W. Hyland and "
                  "A. Wexler (1983), as in the ASHRAE Handbook of Fundamentals",
    },
    {
        .reference = Reference::Thermodynamic,
        .id = "thermodynamic",
        .name = "the thermodynamic wet bulb of ASHRAE's psychrometric equation at the given "
                "pressure, with the humidity ratio W = 0.621945 e / (P - e) and Hyland and "
                "Wexler's saturation vapour pressure, over ice for a wet bulb below 0 C; humidity "
                "and dew point over water; solved by iteration to 1e-12 of the wet bulb",
        .source = "ASHRAE Handbook - Fundamentals (2017), chapter 1, equations 5, 6, 20, 33 and 35",
    },
    {
        .reference = Reference::OldWindChill,
        .id = "old",
        .name = "the old wind chill formula, a square-root law worked in metres per second "
                "around a skin temperature of 33 C",
        .source = "the wind chill window, which offers it beside the new formula",
        .windowsOwn = true,
    },
    {
        .reference = Reference::OverIce,
        .id = "ice",
        .name = "the saturation vapour pressure over ice below 0 C, by the WMO's Magnus form "
                "6.112 exp(22.46 t / (272.62 + t)); over water at and above 0 C",
        .source = "WMO Guide to Instruments and Methods of Observation (WMO-No. 8, 2018), "
                  "Volume I, Annex 4.B",
    },
};

// A window's method uses none of the reference formulas, only the windows' own.
constexpr bool windowsMethod(const MethodInfo& method) {
    return std::none_of(std::begin(kReferences), std::end(kReferences),
                        [&](const ReferenceInfo& formula) {
                            return !formula.windowsOwn && method.references.uses(formula.reference);
                        });
}

// The rows of a calculation's windows' methods, or of its reference methods: one run of the table.
constexpr std::span<const MethodInfo> methodsOf(Calculation calculation, bool windows) {
    const auto belongs = [&](const MethodInfo& method) {
        return method.calculation == calculation && windowsMethod(method) == windows;
    };
    const MethodInfo* first = std::find_if(std::begin(kMethods), std::end(kMethods), belongs);
    return {first, std::find_if_not(first, std::end(kMethods), belongs)};
}

// A calculation with its methods, and their outputs, from the method table.
constexpr CalculationInfo withMethods(CalculationInfo calculation) {
    calculation.methods = methodsOf(calculation.calculation, true);
    calculation.references = methodsOf(calculation.calculation, false);
    calculation.outputs = calculation.methods.front().outputs;
    return calculation;
}

// In the order of Calculation.
constexpr CalculationInfo kCalculations[] = {
    withMethods({
        .calculation = Calculation::RelativeHumidity,
        .id = "humidity",
        .name = "Relative Humidity",
    }),
    withMethods({
        .calculation = Calculation::DewPoint,
        .id = "dew-point",
        .name = "Dew Point",
    }),
    withMethods({
        .calculation = Calculation::WetBulb,
        .id = "wet-bulb",
        .name = "Wet Bulb",
    }),
    withMethods({
        .calculation = Calculation::HeatIndex,
        .id = "heat-index",
        .name = "Heat Index",
    }),
    withMethods({
        .calculation = Calculation::CloudHeight,
        .id = "cloud-height",
        .name = "Cloud Base Height",
    }),
    withMethods({
        .calculation = Calculation::WindChill,
        .id = "wind-chill",
        .name = "Wind Chill",
    }),
    withMethods({
        .calculation = Calculation::LightningDistance,
        .id = "lightning",
        .name = "Lightning Distance",
    }),
    withMethods({
        .calculation = Calculation::SeaLevelPressure,
        .id = "sea-level-pressure",
        .name = "Sea-Level Pressure",
        .assumesAirPressure = false,
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::AltimeterSetting,
        .id = "altimeter-setting",
        .name = "Altimeter Setting",
        .assumesAirPressure = false,
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::PressureAltitude,
        .id = "pressure-altitude",
        .name = "Pressure Altitude",
        .assumesAirPressure = false,
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::DensityAltitude,
        .id = "density-altitude",
        .name = "Density Altitude",
        .assumesAirPressure = false,
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::VapourPressure,
        .id = "vapour-pressure",
        .name = "Vapour Pressure",
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::SaturationVapourPressure,
        .id = "saturation-vapour-pressure",
        .name = "Saturation Vapour Pressure",
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::MixingRatio,
        .id = "mixing-ratio",
        .name = "Mixing Ratio",
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::SpecificHumidity,
        .id = "specific-humidity",
        .name = "Specific Humidity",
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::AbsoluteHumidity,
        .id = "absolute-humidity",
        .name = "Absolute Humidity",
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::FrostPoint,
        .id = "frost-point",
        .name = "Frost Point",
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::Humidex,
        .id = "humidex",
        .name = "Humidex",
        .categoryTitle = "Comfort",
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::ApparentTemperature,
        .id = "apparent-temperature",
        .name = "Apparent Temperature",
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::FeelsLike,
        .id = "feels-like",
        .name = "Feels-Like Temperature",
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::VirtualTemperature,
        .id = "virtual-temperature",
        .name = "Virtual Temperature",
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::PotentialTemperature,
        .id = "potential-temperature",
        .name = "Potential Temperature",
        .assumesAirPressure = false,
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::EquivalentPotentialTemperature,
        .id = "equivalent-potential-temperature",
        .name = "Equivalent Potential Temperature",
        .assumesAirPressure = false,
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::AirDensity,
        .id = "air-density",
        .name = "Air Density",
        .assumesAirPressure = false,
        .inWindows = false,
    }),
    withMethods({
        .calculation = Calculation::Beaufort,
        .id = "beaufort",
        .name = "Beaufort Force",
        .decimals = 0,
        .categoryTitle = "Description",
        .inWindows = false,
    }),
};

// Each calculation in the order of Calculation, its methods giving its outputs, every method
// in the run of its own calculation's, so that no method is left out.
constexpr bool methodsBelongToTheirCalculation() {
    std::size_t owned = 0;
    for (std::size_t i = 0; i < std::size(kCalculations); ++i) {
        const CalculationInfo& calculation = kCalculations[i];
        if (calculation.calculation != static_cast<Calculation>(i)) {
            return false;
        }
        for (const auto group : {calculation.methods, calculation.references}) {
            for (const MethodInfo& method : group) {
                if (!std::equal(method.outputs.begin(), method.outputs.end(),
                                calculation.outputs.begin(), calculation.outputs.end())) {
                    return false;
                }
                ++owned;
            }
        }
    }
    return owned == std::size(kMethods);
}
static_assert(methodsBelongToTheirCalculation());

// A window's method is compared with a reference method of its own calculation that reads the
// same inputs, on an output both give; a risk rule judges an output its method gives, a wind
// chill's in Celsius, as its categories are.
constexpr bool judgedOnTheirOutputs() {
    for (const MethodInfo& method : kMethods) {
        if (method.risk && (outputPlace(method, method.risk->output) == method.outputs.size() ||
                            (method.risk->scale == RiskScale::WindChill &&
                             method.risk->output != UnitRef(TemperatureUnit::Celsius)))) {
            return false;
        }
        if (!method.comparedWith) {
            continue;
        }
        const MethodInfo& reference =
            kMethods[static_cast<std::size_t>(method.comparedWith->reference)];
        if (!windowsMethod(method) || windowsMethod(reference) ||
            reference.calculation != method.calculation || reference.inputs != method.inputs ||
            outputPlace(method, method.comparedWith->output) == method.outputs.size()) {
            return false;
        }
    }
    return true;
}
static_assert(judgedOnTheirOutputs());

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
    return methodInfo(method).inputs.contains(input);
}

bool readsAny(const CalculationInfo& calculation, const std::vector<Input>& inputs) {
    return std::any_of(
        calculation.methods.begin(), calculation.methods.end(), [&](const MethodInfo& method) {
            return std::any_of(inputs.begin(), inputs.end(),
                               [&](Input input) { return method.inputs.contains(input); });
        });
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
