// The notes a method gives on its result, and the categories its result falls into.
#include <algorithm>
#include <cmath>

#include "formulas/cloud_base.h"
#include "formulas/heat_index.h"
#include "formulas/lightning.h"
#include "formulas/psychrometrics.h"
#include "formulas/wind_chill.h"
#include "method_parts.h"
#include "number_text.h"

namespace nimbaro {

using enum Input;

std::string_view noteText(RangeNote note) {
    switch (note) {
        case RangeNote::HeatIndexBelow80F:
            return "Heat index formula is meant for 80 °F (26.7 °C) and above";
        case RangeNote::WindChillAbove50F:
            return "New formula is meant for 50 °F (10 °C) and below";
        case RangeNote::WindChillBelow3Mph:
            return "New formula is meant for winds of 3 mph (4.8 km/h) and above";
        case RangeNote::WindChillOutsideBoth:
            return "New formula is meant for 50 °F and below, winds of 3 mph and above";
        case RangeNote::DewPointAboveAir:
            return "Dew point above air temperature: humidity over 100 %";
        case RangeNote::WetBulbAboveAir:
            return "Wet bulb above air temperature: humidity over 100 %";
        case RangeNote::NoCloudBase:
            return "No cloud base: dew point above air temperature";
        case RangeNote::NegativeSpeedOfSound:
            return "Speed of sound below zero at this air temperature";
        case RangeNote::BelowAbsoluteZero:
            return "Temperature below absolute zero (−273.15 °C)";
        case RangeNote::NoAirPressure:
            break;
    }
    return "No air pressure: pressure at or below zero";
}

std::optional<RangeNote> firstNote(const MethodInfo& method, const Typed& typed,
                                   const OutputValues& values) {
    for (const NoteRule& rule : method.notes) {
        if (rule.applies(typed, values)) {
            return rule.note;
        }
    }
    return std::nullopt;
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

std::optional<Risk> riskOf(const MethodInfo& method, const Typed& typed,
                           const OutputValues& values) {
    if (!method.risk) {
        return std::nullopt;
    }
    const RiskRule& rule = *method.risk;
    const double judged = values[outputPlace(method, rule.output)];
    switch (rule.scale) {
        case RiskScale::HeatIndex:
            return heatIndexRisk(judged, rule.decimals);
        case RiskScale::WindChill:
            break;
    }
    // A wind that warms is no chill: the categories are of a chill in Celsius.
    if (judged > typed.celsius(AirTemperature)) {
        return std::nullopt;
    }
    return windChillRisk(judged, rule.decimals);
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
            break;
    }
    return "Extreme risk: exposed skin can freeze in under 2 minutes";
}

}  // namespace nimbaro
