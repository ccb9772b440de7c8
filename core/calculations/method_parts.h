#pragma once

// The parts the method table is made of, shared by the engine's calculation files.

#include <optional>
#include <variant>

#include "calculations.h"

namespace nimbaro {

// --- checks ------------------------------------------------------------------------------------

// The first of the method's checks that the numbers break, reading a number that is not
// finite as no number. Inline, as are firstNote() and riskOf(): they run on every element of a
// block, and an optional returned from a call goes through memory and stalls.
inline std::optional<InputFault> brokenCheck(const MethodInfo& method,
                                             const InputNumbers& numbers) {
    for (const Check& check : method.checks) {
        if (!meetsRule(check.rule, numbers[check.input])) {
            return InputFault{check.input, check.rule};
        }
    }
    return std::nullopt;
}

// The texts read by the number rules while the checks are made in their order: the numbers, or
// the first check that fails.
std::variant<InputNumbers, InputFault> readChecked(const MethodInfo& method,
                                                   const Readings& readings);

// --- notes and risks ---------------------------------------------------------------------------

// The note of the first of the method's rules that applies.
inline std::optional<RangeNote> firstNote(const MethodInfo& method, const Typed& typed,
                                          const OutputValues& values) {
    for (const NoteRule& rule : method.notes) {
        if (rule.applies(typed, values)) {
            return rule.note;
        }
    }
    return std::nullopt;
}

// The category of the method's result by its risk rule, if it has one.
inline std::optional<Risk> riskOf(const MethodInfo& method, const Typed& typed,
                                  const OutputValues& values) {
    if (!method.risk) {
        return std::nullopt;
    }
    const RiskRule& rule = *method.risk;
    const double judged = values[outputPlace(method, rule.output)];
    switch (rule.scale) {
        case RiskScale::HeatIndex:
            return heatIndexRisk(judged, rule.decimals);
        case RiskScale::Humidex:
            return humidexRisk(judged, typed.celsius(Input::AirTemperature));
        case RiskScale::Beaufort:
            return beaufortRisk(judged);
        case RiskScale::WindChill:
            break;
    }
    // A wind that warms is no chill: the categories are of a chill in Celsius.
    if (judged > typed.celsius(Input::AirTemperature)) {
        return std::nullopt;
    }
    return windChillRisk(judged, rule.decimals);
}

// Inputs that cannot occur, each as typed in its unit.
bool airBelowAbsoluteZero(const Typed& typed, const OutputValues& values);
bool dewPointBelowAbsoluteZero(const Typed& typed, const OutputValues& values);
bool wetBulbBelowAbsoluteZero(const Typed& typed, const OutputValues& values);
bool noAirPressure(const Typed& typed, const OutputValues& values);
// A moisture reading above the air temperature, compared in degrees Celsius or as typed, as
// each window compares them.
bool dewPointAboveAirInCelsius(const Typed& typed, const OutputValues& values);
bool wetBulbAboveAirInCelsius(const Typed& typed, const OutputValues& values);
bool dewPointAboveAirAsTyped(const Typed& typed, const OutputValues& values);
bool wetBulbAboveAirAsTyped(const Typed& typed, const OutputValues& values);
// Outside the range a formula was made for.
bool heatIndexBelow80F(const Typed& typed, const OutputValues& values);
bool newWindChillOutsideBoth(const Typed& typed, const OutputValues& values);
bool newWindChillAbove50F(const Typed& typed, const OutputValues& values);
bool newWindChillBelow3Mph(const Typed& typed, const OutputValues& values);
bool negativeCloudHeight(const Typed& typed, const OutputValues& values);
bool negativeSpeedOfSound(const Typed& typed, const OutputValues& values);
bool humidexBelow20C(const Typed& typed, const OutputValues& values);
bool frostPointAbove0C(const Typed& typed, const OutputValues& values);
// Which index the NWS's "feels like" took; one of them always applies.
bool feelsLikeHeatIndex(const Typed& typed, const OutputValues& values);
bool feelsLikeWindChill(const Typed& typed, const OutputValues& values);
bool feelsLikeAirTemperature(const Typed& typed, const OutputValues& values);

inline constexpr NoteRule kAirBelowAbsoluteZero{RangeNote::BelowAbsoluteZero, airBelowAbsoluteZero};
inline constexpr NoteRule kDewPointBelowAbsoluteZero{RangeNote::BelowAbsoluteZero,
                                                     dewPointBelowAbsoluteZero};
inline constexpr NoteRule kWetBulbBelowAbsoluteZero{RangeNote::BelowAbsoluteZero,
                                                    wetBulbBelowAbsoluteZero};
inline constexpr NoteRule kNoAirPressure{RangeNote::NoAirPressure, noAirPressure};
inline constexpr NoteRule kDewPointAboveAirInCelsius{RangeNote::DewPointAboveAir,
                                                     dewPointAboveAirInCelsius};
inline constexpr NoteRule kWetBulbAboveAirInCelsius{RangeNote::WetBulbAboveAir,
                                                    wetBulbAboveAirInCelsius};
inline constexpr NoteRule kDewPointAboveAirAsTyped{RangeNote::DewPointAboveAir,
                                                   dewPointAboveAirAsTyped};
inline constexpr NoteRule kWetBulbAboveAirAsTyped{RangeNote::WetBulbAboveAir,
                                                  wetBulbAboveAirAsTyped};
inline constexpr NoteRule kHeatIndexBelow80F{RangeNote::HeatIndexBelow80F, heatIndexBelow80F};
inline constexpr NoteRule kNewWindChillOutsideBoth{RangeNote::WindChillOutsideBoth,
                                                   newWindChillOutsideBoth};
inline constexpr NoteRule kNewWindChillAbove50F{RangeNote::WindChillAbove50F, newWindChillAbove50F};
inline constexpr NoteRule kNewWindChillBelow3Mph{RangeNote::WindChillBelow3Mph,
                                                 newWindChillBelow3Mph};
inline constexpr NoteRule kNoCloudBase{RangeNote::NoCloudBase, negativeCloudHeight};
inline constexpr NoteRule kNegativeSpeedOfSound{RangeNote::NegativeSpeedOfSound,
                                                negativeSpeedOfSound};
inline constexpr NoteRule kHumidexBelow20C{RangeNote::HumidexBelow20C, humidexBelow20C};
inline constexpr NoteRule kFrostPointAbove0C{RangeNote::FrostPointAbove0C, frostPointAbove0C};
inline constexpr NoteRule kFeelsLikeHeatIndex{RangeNote::FeelsLikeHeatIndex, feelsLikeHeatIndex};
inline constexpr NoteRule kFeelsLikeWindChill{RangeNote::FeelsLikeWindChill, feelsLikeWindChill};
inline constexpr NoteRule kFeelsLikeAirTemperature{RangeNote::FeelsLikeAirTemperature,
                                                   feelsLikeAirTemperature};

}  // namespace nimbaro
