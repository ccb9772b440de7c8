// The notes a method gives on its result, and the categories its result falls into.
#include <algorithm>
#include <cmath>

#include "formulas/beaufort.h"
#include "formulas/cloud_base.h"
#include "formulas/comfort.h"
#include "formulas/heat_index.h"
#include "formulas/lightning.h"
#include "formulas/moisture.h"
#include "formulas/psychrometrics.h"
#include "formulas/wind_chill.h"
#include "method_parts.h"
#include "number_text.h"

namespace nimbaro {

using enum Input;

namespace {

// Numbers in a note: the locale's decimal separator, no group separators, and the minus sign
// of the notes' own text.
NumberLocale noteNumbers(const NumberLocale& locale) {
    NumberLocale numbers = locale;
    numbers.groupSeparator.clear();
    numbers.minusSign = "−";
    return numbers;
}

// "80 °F (26.7 °C)": a bound in the unit its formula works in and, where `beside` is another,
// in that one too, to a tenth.
template <typename UnitEnum>
std::string boundText(double bound, UnitEnum own, UnitEnum beside, const NumberLocale& numbers) {
    std::string text = numberToText(bound, numbers) + " " + std::string(unitOf(own).symbol);
    if (beside != own) {
        text += " (" + numberToText(shownValue(converted(bound, own, beside), 1), numbers) + " " +
                std::string(unitOf(beside).symbol) + ")";
    }
    return text;
}

// The unit a note gives a bound in beside the formula's own: the unit chosen or, where that is
// the formula's, `otherwise`.
template <typename UnitEnum>
UnitEnum besideOwn(UnitEnum chosen, UnitEnum own, UnitEnum otherwise) {
    return chosen == own ? otherwise : chosen;
}

}  // namespace

std::string noteText(RangeNote note, const UnitChoice& units, const NumberLocale& locale) {
    constexpr TemperatureUnit kFahrenheit = TemperatureUnit::Fahrenheit;
    constexpr WindSpeedUnit kMilesPerHour = WindSpeedUnit::MilesPerHour;
    const NumberLocale numbers = noteNumbers(locale);
    // With the formula's own unit chosen, a note on one bound gives it in Celsius or km/h too;
    // the note on both bounds, the longest, gives the formula's alone.
    const bool oneBound = note != RangeNote::WindChillOutsideBoth;
    const TemperatureUnit temperature = besideOwn(
        units.temperature, kFahrenheit, oneBound ? TemperatureUnit::Celsius : kFahrenheit);
    const WindSpeedUnit windSpeed =
        besideOwn(units.windSpeed, kMilesPerHour,
                  oneBound ? WindSpeedUnit::KilometresPerHour : kMilesPerHour);
    const auto highestTemperature = [&] {
        return boundText(kNewWindChillHighestFahrenheit, kFahrenheit, temperature, numbers);
    };
    const auto lowestWind = [&] {
        return boundText(kNewWindChillLowestMilesPerHour, kMilesPerHour, windSpeed, numbers);
    };
    switch (note) {
        case RangeNote::HeatIndexBelow80F:
            return "Heat index formula is meant for " +
                   boundText(kHeatIndexLowestFahrenheit, kFahrenheit, temperature, numbers) +
                   " and above";
        case RangeNote::WindChillAbove50F:
            return "New formula is meant for " + highestTemperature() + " and below";
        case RangeNote::WindChillBelow3Mph:
            return "New formula is meant for winds of " + lowestWind() + " and above";
        case RangeNote::WindChillOutsideBoth:
            return "New formula is meant for " + highestTemperature() + " and below, winds of " +
                   lowestWind() + " and above";
        case RangeNote::DewPointAboveAir:
            return "Dew point above air temperature: humidity over 100 %";
        case RangeNote::WetBulbAboveAir:
            return "Wet bulb above air temperature: humidity over 100 %";
        case RangeNote::NoCloudBase:
            return "No cloud base: dew point above air temperature";
        case RangeNote::NegativeSpeedOfSound:
            return "Speed of sound below zero at this air temperature";
        case RangeNote::BelowAbsoluteZero:
            return "Temperature below absolute zero (" + numberToText(-273.15, numbers) + " °C)";
        case RangeNote::HumidexBelow20C:
            return "Humidex is meant for air temperatures of " +
                   boundText(kHumidexLowestCelsius, TemperatureUnit::Celsius,
                             besideOwn(units.temperature, TemperatureUnit::Celsius, kFahrenheit),
                             numbers) +
                   " and above";
        case RangeNote::FrostPointAbove0C:
            return "Frost point above " + numberToText(0, numbers) +
                   " °C: above freezing the dew point applies";
        case RangeNote::FeelsLikeHeatIndex:
            return "Feels like: NWS heat index";
        case RangeNote::FeelsLikeWindChill:
            return "Feels like: wind chill";
        case RangeNote::FeelsLikeAirTemperature:
            return "Feels like: air temperature, neither heat index nor wind chill applies";
        case RangeNote::NoAirPressure:
            break;
    }
    return "No air pressure: pressure at or below zero";
}

// In the formulas' own units the notes read as they always have.
std::string noteText(RangeNote note) {
    return noteText(
        note,
        {.temperature = TemperatureUnit::Fahrenheit, .windSpeed = WindSpeedUnit::MilesPerHour},
        plainNumberLocale());
}

bool airBelowAbsoluteZero(const Typed& typed, const OutputValues&) {
    return belowAbsoluteZero(typed[AirTemperature], typed.units.temperature);
}

bool dewPointBelowAbsoluteZero(const Typed& typed, const OutputValues&) {
    return belowAbsoluteZero(typed[DewPoint], typed.units.temperature);
}

bool wetBulbBelowAbsoluteZero(const Typed& typed, const OutputValues&) {
    return belowAbsoluteZero(typed[WetBulb], typed.units.temperature);
}

bool noAirPressure(const Typed& typed, const OutputValues&) {
    return typed[AirPressure] <= 0;
}

bool dewPointAboveAirInCelsius(const Typed& typed, const OutputValues&) {
    return supersaturated(typed.celsius(AirTemperature), typed.celsius(DewPoint));
}

bool wetBulbAboveAirInCelsius(const Typed& typed, const OutputValues&) {
    return supersaturated(typed.celsius(AirTemperature), typed.celsius(WetBulb));
}

bool dewPointAboveAirAsTyped(const Typed& typed, const OutputValues&) {
    return supersaturated(typed[AirTemperature], typed[DewPoint]);
}

bool wetBulbAboveAirAsTyped(const Typed& typed, const OutputValues&) {
    return supersaturated(typed[AirTemperature], typed[WetBulb]);
}

bool heatIndexBelow80F(const Typed& typed, const OutputValues&) {
    return !heatIndexInRange(
        heatIndexAirTemperature(typed[AirTemperature], typed.units.temperature));
}

namespace {

WindChillRange newWindChillRangeOf(const Typed& typed) {
    return newWindChillRange(typed[AirTemperature], typed.units.temperature, typed[WindSpeed],
                             typed.units.windSpeed);
}

}  // namespace

bool newWindChillOutsideBoth(const Typed& typed, const OutputValues&) {
    const WindChillRange range = newWindChillRangeOf(typed);
    return !range.temperatureInRange && !range.windInRange;
}

bool newWindChillAbove50F(const Typed& typed, const OutputValues&) {
    return !newWindChillRangeOf(typed).temperatureInRange;
}

bool newWindChillBelow3Mph(const Typed& typed, const OutputValues&) {
    return !newWindChillRangeOf(typed).windInRange;
}

bool negativeCloudHeight(const Typed&, const OutputValues& values) {
    return !hasCloudBase(values.front());
}

bool negativeSpeedOfSound(const Typed& typed, const OutputValues&) {
    return !speedOfSoundInRange(speedOfSound(typed.celsius(AirTemperature)));
}

bool humidexBelow20C(const Typed& typed, const OutputValues&) {
    return typed.celsius(AirTemperature) < kHumidexLowestCelsius;
}

bool frostPointAbove0C(const Typed&, const OutputValues& values) {
    return values.front() > 0;
}

namespace {

FeelsLikeSource feelsLikeSourceOf(const Typed& typed) {
    return nwsFeelsLike(
               converted(typed[AirTemperature], typed.units.temperature,
                         TemperatureUnit::Fahrenheit),
               typed[Humidity],
               converted(typed[WindSpeed], typed.units.windSpeed, WindSpeedUnit::MilesPerHour))
        .source;
}

}  // namespace

bool feelsLikeHeatIndex(const Typed& typed, const OutputValues&) {
    return feelsLikeSourceOf(typed) == FeelsLikeSource::HeatIndex;
}

bool feelsLikeWindChill(const Typed& typed, const OutputValues&) {
    return feelsLikeSourceOf(typed) == FeelsLikeSource::WindChill;
}

bool feelsLikeAirTemperature(const Typed& typed, const OutputValues&) {
    return feelsLikeSourceOf(typed) == FeelsLikeSource::AirTemperature;
}

namespace {

struct Category {
    double from;  // the least severe value of the category
    Risk risk;
};

// The most severe first.
constexpr Category kHeatIndexCategories[] = {
    {125, Risk::ExtremeDanger},
    {103, Risk::Danger},
    {90, Risk::ExtremeCaution},
    {80, Risk::Caution},
};
constexpr Category kWindChillCategories[] = {
    {-55, Risk::ExtremeRisk}, {-48, Risk::SevereRisk},   {-40, Risk::VeryHighRisk},
    {-28, Risk::HighRisk},    {-10, Risk::ModerateRisk}, {0, Risk::LowRisk},
};

enum class Severity { Rising, Falling };

// The first category, the most severe first, whose boundary the value as shown (rounded to
// `decimals` places) reaches. Rounding moves a value by at most half a unit of its last decimal
// and of its fifteenth digit, so only a value that close to a boundary needs its shown digits.
std::optional<Risk> categoryOf(double value, int decimals, std::span<const Category> categories,
                               Severity severity) {
    const double margin = 1 + 1e-14 * std::fabs(value);
    const bool nearBoundary = std::any_of(
        categories.begin(), categories.end(),
        [&](const Category& category) { return std::fabs(value - category.from) <= margin; });
    const double shown = nearBoundary ? shownValue(value, decimals) : value;
    for (const Category& category : categories) {
        if (severity == Severity::Rising ? shown >= category.from : shown <= category.from) {
            return category.risk;
        }
    }
    return std::nullopt;
}

}  // namespace

// A value is judged as a result shows it, so that 89.999996 °F, shown as 90.00000, is 90.
std::optional<Risk> heatIndexRisk(double fahrenheit, int decimals) {
    return categoryOf(fahrenheit, decimals, kHeatIndexCategories, Severity::Rising);
}

std::optional<Risk> windChillRisk(double celsius, int decimals) {
    return categoryOf(celsius, decimals, kWindChillCategories, Severity::Falling);
}

std::optional<Risk> humidexRisk(double humidex, double airCelsius) {
    if (airCelsius < kHumidexLowestCelsius) {
        return std::nullopt;
    }
    const std::optional<HumidexComfort> comfort = humidexComfort(humidex);
    if (!comfort) {
        return std::nullopt;
    }
    return static_cast<Risk>(static_cast<int>(Risk::LittleDiscomfort) + static_cast<int>(*comfort));
}

std::optional<Risk> beaufortRisk(double force) {
    if (!(force >= 0 && force <= 12)) {
        return std::nullopt;
    }
    return static_cast<Risk>(static_cast<int>(Risk::Calm) + static_cast<int>(force));
}

std::string_view riskText(Risk risk) {
    switch (risk) {
        case Risk::Caution:
            return "Caution: fatigue possible with prolonged exposure and activity";
        case Risk::ExtremeCaution:
            return "Extreme caution: heat cramps and heat exhaustion possible";
        case Risk::Danger:
            return "Danger: heat cramps or heat exhaustion likely, heat stroke possible";
        case Risk::ExtremeDanger:
            return "Extreme danger: heat stroke highly likely";
        case Risk::LowRisk:
            return "Low risk";
        case Risk::ModerateRisk:
            return "Moderate risk: hypothermia if outside long without protection";
        case Risk::HighRisk:
            return "High risk: exposed skin can freeze in 10 to 30 minutes";
        case Risk::VeryHighRisk:
            return "Very high risk: exposed skin can freeze in 5 to 10 minutes";
        case Risk::SevereRisk:
            return "Severe risk: exposed skin can freeze in 2 to 5 minutes";
        case Risk::ExtremeRisk:
            return "Extreme risk: exposed skin can freeze in under 2 minutes";
        case Risk::LittleDiscomfort:
            return "Little or no discomfort";
        case Risk::SomeDiscomfort:
            return "Some discomfort";
        case Risk::GreatDiscomfort:
            return "Great discomfort: avoid exertion";
        case Risk::DangerousHumidex:
            return "Dangerous: heat stroke possible";
        case Risk::Calm:
        case Risk::LightAir:
        case Risk::LightBreeze:
        case Risk::GentleBreeze:
        case Risk::ModerateBreeze:
        case Risk::FreshBreeze:
        case Risk::StrongBreeze:
        case Risk::NearGale:
        case Risk::Gale:
        case Risk::StrongGale:
        case Risk::Storm:
        case Risk::ViolentStorm:
        case Risk::HurricaneForce:
            break;
    }
    return beaufortDescription(static_cast<int>(risk) - static_cast<int>(Risk::Calm));
}

}  // namespace nimbaro
