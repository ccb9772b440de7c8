// The notes a result carries beside its range note: the reference's value, implausible inputs
// and the air pressure assumed; which apply, and their words.
#include <array>

#include "formulas/units.h"
#include "method_parts.h"
#include "number_text.h"
#include "text_match.h"

namespace nimbaro {
namespace {

using enum Input;

// Surface weather, as observers meet it.
constexpr double kLowestSurfacePressure = 300;    // hPa
constexpr double kHighestSurfacePressure = 1100;  // hPa
constexpr double kLargestFraction = 1;            // %
constexpr double kColdestAir = -90;               // °C
constexpr double kWarmestAir = 60;                // °C
constexpr double kFastestWind = 120;              // m/s

constexpr PressureUnit kPressureUnits[] = {
    PressureUnit::Pascals, PressureUnit::Hectopascals, PressureUnit::Millibars,
    PressureUnit::MillimetresOfMercury, PressureUnit::InchesOfMercury};

bool surfacePressure(double hectopascals) {
    return hectopascals >= kLowestSurfacePressure && hectopascals <= kHighestSurfacePressure;
}

double metresPerSecond(const Typed& typed) {
    return converted(typed[WindSpeed], typed.units.windSpeed, WindSpeedUnit::MetresPerSecond);
}

// Numbers in a note: the locale's decimal separator, no group separators.
NumberLocale ungrouped(const NumberLocale& locale) {
    NumberLocale plain = locale;
    plain.groupSeparator.clear();
    return plain;
}

// "Dew point": an input's name at the start of a note.
std::string noteName(Input input) {
    std::string name(inputInfo(input).name);
    name.front() = asciiUpper(name.front());
    return name;
}

// "Air temperature 200 °F (93.3 °C)": the number as typed, and in the unit of the bounds when
// it was typed in another.
template <typename UnitEnum>
std::string typedWithBound(std::string_view name, double typed, UnitEnum unit, UnitEnum boundUnit,
                           const NumberLocale& locale) {
    std::string text = std::string(name) + " " + numberToText(typed, locale) + " " +
                       std::string(unitOf(unit).symbol);
    if (unit != boundUnit) {
        text += " (" + formatFixed(converted(typed, unit, boundUnit), 1, locale) + " " +
                std::string(unitOf(boundUnit).symbol) + ")";
    }
    return text;
}

std::string pressureText(const Typed& typed, const NumberLocale& locale) {
    const double number = typed[AirPressure];
    std::string text = numberToText(number, locale) + " " +
                       std::string(unitOf(typed.units.pressure).symbol) +
                       " is not a surface pressure";
    for (const PressureUnit unit : kPressureUnits) {
        const double hectopascals = toHectopascals(number, unit);
        if (unit != typed.units.pressure && surfacePressure(hectopascals)) {
            return text + "; in " + std::string(unitOf(unit).symbol) + " it would be " +
                   formatFixed(hectopascals, 1, locale) + " hPa";
        }
    }
    return text;
}

std::string implausibleText(Input input, const Typed& typed, const NumberLocale& locale) {
    constexpr std::string_view kUnitRight = "; is the unit right?";
    switch (input) {
        case AirPressure:
            return pressureText(typed, locale);
        case Humidity:
            return "Humidity " + numberToText(typed[Humidity], locale) + " %: a fraction? " +
                   numberToText(typed[Humidity], locale) + " is " +
                   numberToText(typed[Humidity] * 100, locale) + " %";
        case WindSpeed:
            return typedWithBound("Wind speed", typed[WindSpeed], typed.units.windSpeed,
                                  WindSpeedUnit::MetresPerSecond, locale) +
                   " is above 120 m/s" + std::string(kUnitRight);
        default:
            break;
    }
    return typedWithBound(noteName(input), typed[input], typed.units.temperature,
                          TemperatureUnit::Celsius, locale) +
           " is outside −90 to 60 °C" + std::string(kUnitRight);
}

std::string referenceText(const Calculated& calculated, const NumberLocale& locale,
                          NoteReader reader) {
    const MethodInfo& method = methodInfo(calculated.method);
    const ReferenceCheck& check = *method.comparedWith;
    const double reference = *calculated.reference;
    std::string text = std::string(check.name) + ": " + formatFixed(reference, 1, locale) + " " +
                       std::string(check.output.unit().symbol);
    const UnitRef chosen = chosenUnit(check.output, calculated.typed.units);
    if (reader == NoteReader::Person && chosen != check.output) {
        const double inChosen =
            converted(check.output.quantity(), check.output.index, chosen.index, reference);
        text +=
            " (" + formatFixed(inChosen, 1, locale) + " " + std::string(chosen.unit().symbol) + ")";
    }
    return text;
}

std::string referenceSummary(Method compared) {
    const MethodInfo& method = methodInfo(compared);
    const ReferenceCheck& check = *method.comparedWith;
    const Unit& unit = check.output.unit();
    // A humidity's tolerance is in points of the percentage, not a percentage of it.
    std::string text = std::string(check.name) + " more than " +
                       numberToText(check.tolerance, plainNumberLocale());
    if (unit.id == "percent") {
        text += " percentage points";
    } else {
        text += ' ';
        text += unit.symbol;
    }
    return text + " from the result";
}

std::string implausibleSummary(Input input) {
    switch (input) {
        case AirPressure:
            return "Air pressure outside 300 to 1,100 hPa";
        case Humidity:
            return "Humidity at or below 1 %: a fraction?";
        case WindSpeed:
            return "Wind speed above 120 m/s";
        default:
            break;
    }
    return noteName(input) + " outside −90 to 60 °C";
}

std::string airPressureAssumedText(const NumberLocale& locale) {
    return "Air pressure not given: " + numberToText(kStandardAirPressure, locale) + " hPa used";
}

template <typename Each>
std::string joined(const Calculated& calculated, const NumberLocale& locale, NoteReader reader,
                   Each keep) {
    std::string line;
    for (const NoteKind& kind : noteKinds(calculated)) {
        if (keep(kind)) {
            line += line.empty() ? "" : kNoteSeparator;
            line += noteText(calculated, kind, locale, reader);
        }
    }
    return line;
}

}  // namespace

bool implausible(Input input, const Typed& typed) {
    const double number = typed[input];
    switch (input) {
        case AirPressure:
            return number > 0 && !surfacePressure(typed.hectopascals(AirPressure));
        case Humidity:
            return number <= kLargestFraction;
        case AirTemperature:
        case DewPoint:
        case WetBulb: {
            const double celsius = typed.celsius(input);
            return !belowAbsoluteZero(number, typed.units.temperature) &&
                   (celsius < kColdestAir || celsius > kWarmestAir);
        }
        case WindSpeed:
            return metresPerSecond(typed) > kFastestWind;
        case Value:
        case Time:
        case Elevation:
            break;
    }
    return false;
}

NoteKinds noteKinds(const Calculated& calculated) {
    NoteKinds kinds;
    fillNoteKinds(calculated, kinds);
    return kinds;
}

void fillNoteKinds(const Calculated& calculated, NoteKinds& kinds) {
    kinds.clear();
    if (calculated.note) {
        kinds.add(*calculated.note);
    }
    if (calculated.reference) {
        kinds.add(ReferenceNote{calculated.method});
    }
    for (std::size_t i = 0; i < kInputCount; ++i) {
        if (calculated.implausible[i]) {
            kinds.add(ImplausibleInput{static_cast<Input>(i)});
        }
    }
    if (calculated.airPressureAssumed) {
        kinds.add(AirPressureAssumed{});
    }
}

std::string noteText(const Calculated& calculated, const NoteKind& kind, const NumberLocale& locale,
                     NoteReader reader) {
    const NumberLocale plain = ungrouped(locale);
    if (const auto* range = std::get_if<RangeNote>(&kind)) {
        return reader == NoteReader::Person ? noteText(*range, calculated.typed.units, locale)
                                            : noteText(*range);
    }
    if (std::holds_alternative<ReferenceNote>(kind)) {
        return referenceText(calculated, plain, reader);
    }
    if (const auto* input = std::get_if<ImplausibleInput>(&kind)) {
        return implausibleText(input->input, calculated.typed, plain);
    }
    return airPressureAssumedText(plain);
}

std::string noteSummary(const NoteKind& kind) {
    if (const auto* range = std::get_if<RangeNote>(&kind)) {
        return noteText(*range);
    }
    if (const auto* reference = std::get_if<ReferenceNote>(&kind)) {
        return referenceSummary(reference->method);
    }
    if (const auto* input = std::get_if<ImplausibleInput>(&kind)) {
        return implausibleSummary(input->input);
    }
    return airPressureAssumedText(plainNumberLocale());
}

std::string noteLine(const Calculated& calculated, const NumberLocale& locale) {
    return joined(calculated, locale, NoteReader::Script, [](const NoteKind&) { return true; });
}

std::string remarkLine(const Calculated& calculated, const NumberLocale& locale) {
    return joined(calculated, locale, NoteReader::Person,
                  [](const NoteKind& kind) { return !std::holds_alternative<RangeNote>(kind); });
}

}  // namespace nimbaro
