#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "faults.h"
#include "formulas/units.h"
#include "inputs.h"
#include "number_locale.h"
#include "output_values.h"

namespace nimbaro {

enum class Calculation {
    RelativeHumidity,
    DewPoint,
    WetBulb,
    HeatIndex,
    CloudHeight,
    WindChill,
    LightningDistance,
    SeaLevelPressure,
    AltimeterSetting,
    PressureAltitude,
    DensityAltitude,
    VapourPressure,
    SaturationVapourPressure,
    MixingRatio,
    SpecificHumidity,
    AbsoluteHumidity,
    FrostPoint,
    Humidex,
    ApparentTemperature,
    FeelsLike,
    VirtualTemperature,
    PotentialTemperature,
    EquivalentPotentialTemperature,
    AirDensity,
    Beaufort,
};

// Each calculation by each of its input methods and formulas.
enum class Method {
    // The windows' methods, each calculation's in the order of its window's options.
    HumidityFromDewPoint,
    HumidityFromWetBulb,
    DewPointFromHumidity,
    DewPointFromWetBulb,
    WetBulbFromHumidity,
    WetBulbFromDewPoint,
    HeatIndexFromHumidity,
    HeatIndexFromDewPoint,
    HeatIndexFromWetBulb,
    CloudHeightFromHumidity,
    CloudHeightFromDewPoint,
    CloudHeightFromWetBulb,
    NewWindChill,
    OldWindChill,
    LightningDistance,
    CorrectedLightningDistance,
    // The same calculations by reference formulas, each calculation's together.
    HumidityFromWetBulbPsychrometric,
    HumidityFromWetBulbThermodynamic,
    DewPointFromWetBulbPsychrometric,
    DewPointFromWetBulbThermodynamic,
    WetBulbFromHumidityPsychrometric,
    WetBulbFromDewPointPsychrometric,
    WetBulbFromHumidityThermodynamic,
    WetBulbFromDewPointThermodynamic,
    HeatIndexFromHumidityNws,
    HeatIndexFromDewPointNws,
    HeatIndexFromWetBulbNws,
    HeatIndexFromWetBulbPsychrometric,
    HeatIndexFromWetBulbNwsPsychrometric,
    HeatIndexFromWetBulbThermodynamic,
    HeatIndexFromWetBulbNwsThermodynamic,
    CloudHeightFromWetBulbPsychrometric,
    CloudHeightFromWetBulbThermodynamic,
    // The station calculations, each calculation's together, its reference formulas last.
    SeaLevelPressure,
    AltimeterSetting,
    PressureAltitude,
    DensityAltitudeOfDryAir,
    DensityAltitudeFromDewPoint,
    DensityAltitudeFromHumidity,
    VapourPressureFromHumidity,
    VapourPressureFromDewPoint,
    SaturationVapourPressure,
    SaturationVapourPressureOverIce,
    MixingRatioFromHumidity,
    MixingRatioFromDewPoint,
    SpecificHumidityFromHumidity,
    SpecificHumidityFromDewPoint,
    AbsoluteHumidityFromHumidity,
    AbsoluteHumidityFromDewPoint,
    FrostPointFromHumidity,
    FrostPointFromDewPoint,
    Humidex,
    ApparentTemperatureFromHumidity,
    ApparentTemperatureFromDewPoint,
    IndoorApparentTemperatureFromHumidity,
    IndoorApparentTemperatureFromDewPoint,
    FeelsLike,
    VirtualTemperatureFromHumidity,
    VirtualTemperatureFromDewPoint,
    PotentialTemperature,
    EquivalentPotentialTemperature,
    AirDensityOfDryAir,
    AirDensityFromDewPoint,
    AirDensityFromHumidity,
    Beaufort,
};

// A formula a method may use in place of the windows' first: one meteorologists trust, or the
// old wind chill, which its window offers beside the new.
enum class Reference {
    Nws,            // the heat index of the US National Weather Service
    Psychrometric,  // the WMO psychrometer equation, the reading of an aspirated psychrometer
    Thermodynamic,  // the thermodynamic wet bulb of ASHRAE's psychrometric equation
    OldWindChill,   // the window's old wind chill formula
    OverIce,        // the WMO's saturation vapour pressure over ice below 0 °C
};

struct ReferenceInfo {
    Reference reference;
    std::string_view id;      // "psychrometric": how nimbaro-calc's --formula names it
    std::string_view name;    // what it is, for a person
    std::string_view source;  // where it comes from
    // One of the windows' own formulas, which a window offers as an option: a program chooses
    // it by an option of its own (--old-formula), and names a method by it "window".
    bool windowsOwn = false;
};

// Every formula above, in the order of Reference.
std::span<const ReferenceInfo> referenceFormulas();

// The formulas a method uses in place of the windows' first; none for a window's first formula.
class References {
  public:
    constexpr References() = default;
    constexpr References(std::initializer_list<Reference> references) {
        for (const Reference reference : references) {
            *this = with(reference);
        }
    }
    constexpr bool uses(Reference reference) const { return (bits_ & bit(reference)) != 0; }
    constexpr References with(Reference reference) const {
        References more = *this;
        more.bits_ |= bit(reference);
        return more;
    }
    constexpr bool none() const { return bits_ == 0; }
    friend constexpr bool operator==(References, References) = default;

  private:
    static constexpr unsigned bit(Reference reference) {
        return 1U << static_cast<unsigned>(reference);
    }
    unsigned bits_ = 0;
};

// One rule a method applies to one of its inputs.
struct Check {
    Input input;
    Rule rule;
};

// The inputs a method reads: each input its checks name, once, in the order first named.
class InputList {
  public:
    constexpr explicit InputList(std::span<const Check> checks) {
        for (const Check& check : checks) {
            if (!contains(check.input)) {
                inputs_[size_++] = check.input;
            }
        }
    }
    constexpr const Input* begin() const { return inputs_.data(); }
    constexpr const Input* end() const { return inputs_.data() + size_; }
    constexpr std::size_t size() const { return size_; }
    constexpr bool contains(Input input) const { return std::find(begin(), end(), input) != end(); }
    friend constexpr bool operator==(const InputList& a, const InputList& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

  private:
    std::array<Input, kInputCount> inputs_{};
    std::size_t size_ = 0;
};

// The units the typed temperatures, pressure and wind speed are in; a method reads only the
// ones its inputs need.
struct UnitChoice {
    TemperatureUnit temperature = TemperatureUnit::Celsius;
    PressureUnit pressure = PressureUnit::Hectopascals;
    WindSpeedUnit windSpeed = WindSpeedUnit::KilometresPerHour;
    LengthUnit length = LengthUnit::Metres;  // of an elevation

    friend bool operator==(const UnitChoice&, const UnitChoice&) = default;
};

// The unit chosen for the quantity of `own`, or `own` where none is chosen for it.
UnitRef chosenUnit(UnitRef own, const UnitChoice& units);
// The unit an input of a calculation is typed in: the one chosen for its quantity, or else its
// own (percent for a humidity, seconds for a time).
UnitRef typedUnit(Input input, const UnitChoice& units);

// One number for each input, as typed; a method reads only its own inputs.
class InputNumbers {
  public:
    InputNumbers& set(Input input, double number) {
        numbers_[static_cast<std::size_t>(input)] = number;
        return *this;
    }
    double operator[](Input input) const { return numbers_[static_cast<std::size_t>(input)]; }

    friend bool operator==(const InputNumbers&, const InputNumbers&) = default;

  private:
    std::array<double, kInputCount> numbers_{};
};

// What a formula works from: the numbers a method read, as typed, and their units.
struct Typed {
    InputNumbers numbers;
    UnitChoice units;

    double operator[](Input input) const { return numbers[input]; }
    double celsius(Input input) const { return toCelsius(numbers[input], units.temperature); }
    double hectopascals(Input input) const {
        return toHectopascals(numbers[input], units.pressure);
    }
    double metres(Input input) const {
        return converted(numbers[input], units.length, LengthUnit::Metres);
    }
    double metresPerSecond(Input input) const {
        return converted(numbers[input], units.windSpeed, WindSpeedUnit::MetresPerSecond);
    }

    friend bool operator==(const Typed&, const Typed&) = default;
};

// What stands in for an air pressure not given, in hectopascals: the standard atmosphere's at
// sea level, as the windows advise.
inline constexpr double kStandardAirPressure = 1013.25;

// Whether a typed input lies outside what weather at the surface gives, as a wrong unit or a
// fraction typed for a percentage would make it: an air pressure outside 300 to 1,100 hPa, a
// humidity at or below 1 %, a temperature outside −90 to 60 °C, a wind speed above 120 m/s. An
// input that cannot occur at all (below absolute zero, a pressure at or below zero) has its
// range note instead.
bool implausible(Input input, const Typed& typed);

// A result that lies outside the range its formula is meant for, or comes from an input that
// cannot occur; the values stand.
enum class RangeNote {
    HeatIndexBelow80F,
    WindChillAbove50F,
    WindChillBelow3Mph,
    WindChillOutsideBoth,
    DewPointAboveAir,
    WetBulbAboveAir,
    NoCloudBase,
    NegativeSpeedOfSound,
    BelowAbsoluteZero,
    NoAirPressure,
    HumidexBelow20C,
    FrostPointAbove0C,
    FeelsLikeHeatIndex,
    FeelsLikeWindChill,
    FeelsLikeAirTemperature,
};

// One line for a person, its numbers with the decimal separator of `locale`, each bound in
// the unit its formula works in and, where `units` chose another, in that one too, to a tenth:
// "Heat index formula is meant for 80 °F (299,8 K) and above". With the formula's unit chosen,
// a note on one bound gives it in Celsius or km/h beside it: "... 80 °F (26.7 °C) and above".
std::string noteText(RangeNote note, const UnitChoice& units, const NumberLocale& locale);
// The same line as scripts read it, whatever the units and locale: the line for the formulas'
// own units, °F and mph, in plainNumberLocale().
std::string noteText(RangeNote note);

// When a method gives a note: on the numbers read and the values worked out.
struct NoteRule {
    RangeNote note;
    bool (*applies)(const Typed& typed, const OutputValues& values);
};

// What a heat index or a new-formula wind chill means for people outside, as weather services
// publish it: the heat index by the US National Weather Service's categories, the wind chill by
// Environment and Climate Change Canada's.
enum class Risk {
    Caution,
    ExtremeCaution,
    Danger,
    ExtremeDanger,
    LowRisk,
    ModerateRisk,
    HighRisk,
    VeryHighRisk,
    SevereRisk,
    ExtremeRisk,
    LittleDiscomfort,
    SomeDiscomfort,
    GreatDiscomfort,
    DangerousHumidex,
    Calm,
    LightAir,
    LightBreeze,
    GentleBreeze,
    ModerateBreeze,
    FreshBreeze,
    StrongBreeze,
    NearGale,
    Gale,
    StrongGale,
    Storm,
    ViolentStorm,
    HurricaneForce,
};

inline constexpr Risk kLastRisk = Risk::HurricaneForce;

// One line for a person: "Danger: heat cramps or heat exhaustion likely, heat stroke possible".
std::string_view riskText(Risk risk);

// The categories a result is judged by: the US National Weather Service's of a heat index,
// Environment and Climate Change Canada's of a wind chill in degrees Celsius, which judge only
// a wind chill at or below the air temperature, and of a humidex, which it reports from an air
// temperature of 20 °C up; the WMO's descriptions of the Beaufort forces.
enum class RiskScale { HeatIndex, WindChill, Humidex, Beaufort };

// Which categories a method's result falls into: the scale, the output it judges, and the
// decimals that output is judged with (as shown, or whole degrees as the NWS publishes its
// index).
struct RiskRule {
    RiskScale scale;
    UnitRef output;
    int decimals;
};

// The category of a result as it is shown (rounded to `decimals` places); a value on a
// boundary belongs to the more severe category. Nothing below 80 °F or above 0 °C.
std::optional<Risk> heatIndexRisk(double fahrenheit, int decimals = 5);
std::optional<Risk> windChillRisk(double celsius, int decimals = 5);
// Environment and Climate Change Canada's degree of comfort of a humidex, by the whole humidex;
// none below an air temperature of 20 °C, where it does not report one.
std::optional<Risk> humidexRisk(double humidex, double airCelsius);
// The WMO's description of a Beaufort force from 0 to 12.
std::optional<Risk> beaufortRisk(double force);

// A method's outputs from the numbers it read, in the order of its calculation's outputs.
using Formula = OutputValues (*)(const Typed& typed);

// The reference a window's method is compared with: a reference method of the same
// calculation that reads the same inputs, the output the two are compared on, and how far
// apart they may lie before a result gives the reference's value beside its own.
struct ReferenceCheck {
    Method reference;
    UnitRef output;         // compared in this unit
    double tolerance;       // in that unit
    std::string_view name;  // "NWS heat index": what a note calls the reference's value
};

// Everything about one method: what it checks and so reads, how it works out its outputs, the
// notes it can give and how its result is judged.
struct MethodInfo {
    Method method;
    Calculation calculation;
    std::string_view id;         // "dew-point-from-wet-bulb-psychrometric"
    std::string_view name;       // "Dew point from air temperature, wet bulb and air pressure, ..."
    References references = {};  // the formulas it uses in place of the windows' first
    std::span<const Check> checks;  // in the order it makes them; the first broken one fails
    Formula formula;
    std::span<const UnitRef> outputs;      // the unit of each output: degrees Celsius
    std::span<const NoteRule> notes = {};  // the first that applies is given
    std::optional<RiskRule> risk = std::nullopt;
    std::optional<ReferenceCheck> comparedWith = std::nullopt;  // for a window's method
    InputList inputs = InputList(checks);                       // what it reads
};

// The place among a method's outputs of the one in `unit`; the method table gives every method
// the outputs its rules name.
constexpr std::size_t outputPlace(const MethodInfo& method, UnitRef unit) {
    return static_cast<std::size_t>(std::find(method.outputs.begin(), method.outputs.end(), unit) -
                                    method.outputs.begin());
}

// A calculation: its own row, and its methods and outputs as the method table gives them.
struct CalculationInfo {
    Calculation calculation;
    std::string_view id;    // "dew-point"
    std::string_view name;  // "Dew Point"
    int decimals = 5;
    // What a log's column of the risk categories is titled after the calculation's name.
    std::string_view categoryTitle = "Risk";
    // Whether the standard air pressure may stand in for one not given: not where the pressure
    // is what the calculation works from.
    bool assumesAirPressure = true;
    // Whether it has a window of its own, named after it, with the windows' formulas; a station
    // calculation shares a window with others, its "window" formula being its own.
    bool inWindows = true;
    std::span<const MethodInfo> methods = {};     // the windows', in the order of their options
    std::span<const MethodInfo> references = {};  // by reference formulas
    std::span<const UnitRef> outputs = {};        // the unit of each output, as its methods give
};

std::span<const CalculationInfo> calculations();
const CalculationInfo& calculationInfo(Calculation calculation);
// Every method, in the order of Method.
std::span<const MethodInfo> methods();
const MethodInfo& methodInfo(Method method);
bool reads(Method method, Input input);
// A method's arithmetic in a line for a person, in the units it works in: "RH = E(Td) / E(T) *
// 100, where E(t) = 6.11 * 10^(7.5 t / (t + 237.7)); T and Td in C".
std::string_view formulaText(Method method);
// Whether a method the calculation's window offers reads any of the inputs.
bool readsAny(const CalculationInfo& calculation, const std::vector<Input>& inputs);
// Every note the methods can give, each once, in the order of RangeNote.
std::vector<RangeNote> possibleNotes(std::span<const MethodInfo> methods);

// A calculation's unit named by any spelling of a unit of its quantity ("C", "degC", "ºC",
// "celsius"; "hPa", "mb", "in Hg"; "kn", "kts", "ft/s"; "m", "ft"), as findUnit() finds it.
std::optional<TemperatureUnit> findTemperatureUnit(std::string_view typed);
std::optional<PressureUnit> findPressureUnit(std::string_view typed);
std::optional<WindSpeedUnit> findWindSpeedUnit(std::string_view typed);
std::optional<LengthUnit> findLengthUnit(std::string_view typed);

// The texts typed for a calculation, read by the number rules of one locale, which must
// outlive the readings.
class Readings {
  public:
    explicit Readings(const NumberLocale& locale) : locale_(&locale) {}

    Readings& set(Input input, std::string_view text) {
        texts_[static_cast<std::size_t>(input)] = text;
        return *this;
    }
    std::string_view text(Input input) const { return texts_[static_cast<std::size_t>(input)]; }
    const NumberLocale& locale() const { return *locale_; }

  private:
    const NumberLocale* locale_;
    std::array<std::string_view, kInputCount> texts_{};
};

struct Calculated {
    Method method{};
    Typed typed;          // the numbers the method read, in their units
    OutputValues values;  // every output, in the order of the outputs; each finite
    std::optional<RangeNote> note;
    // Of a heat index or a new-formula wind chill, where its category means something: a
    // result with a range note has none, and neither has a wind chill above the air temperature.
    std::optional<Risk> risk;
    // The value of the method's reference (MethodInfo::comparedWith) where it lies farther
    // from the result than the tolerance.
    std::optional<double> reference;
    std::array<bool, kInputCount> implausible{};  // by input, as implausible() judges them
    // Set by a caller that gave kStandardAirPressure for an air pressure not given.
    bool airPressureAssumed = false;

    friend bool operator==(const Calculated&, const Calculated&) = default;
};

// What a calculation works out besides its outputs: every note and the risk, or nothing more,
// for a caller that shows none of them.
enum class Judging { Notes, OutputsOnly };

// Checks the numbers the method reads by its rules (a number that is not finite breaks the
// rule of a number), converts them into the units of its formulas and works out every output,
// in each formula's own order of operations, with its notes and risk. A reference that faults
// or has no value gives no note; the result stands. It allocates nothing, so that it can run on
// every element of a large array.
Outcome<Calculated> calculate(Method method, const InputNumbers& numbers, const UnitChoice& units,
                              Judging judging = Judging::Notes);

// The outcome of each element of a block, as calculate() gives it for each alone, with the fault
// guard kept around the whole block while nothing faults: quicker on a large array. `outcomes`
// must have room for every element.
void calculate(Method method, std::span<const InputNumbers> numbers, const UnitChoice& units,
               std::span<Outcome<Calculated>> outcomes, Judging judging = Judging::Notes);

// A run of elements of one method: each input's numbers in a column of their own, and where
// each output's values go.
struct ElementColumns {
    std::array<const double*, kInputCount> inputs{};  // by Input; the method's inputs only
    std::array<double*, kMaxOutputs> outputs{};       // by place among the outputs; null: unwanted
};

// The outputs of `count` elements, bit for bit as calculate() gives each alone with
// Judging::OutputsOnly, at close to the cost of the bare formula: the checks made in a tight
// loop, the formula called directly, the fault guard kept around the whole run while nothing
// faults. Nothing is judged. `computed[i]` tells whether element i has outputs; one without has
// NaN in each output wanted.
void calculateOutputs(Method method, const UnitChoice& units, std::size_t count,
                      const ElementColumns& columns, std::span<bool> computed);

// Whether a number keeps a rule, as a method's checks judge it. A number read by the number
// rules is always finite; one handed over as a number must be too. Inline: it runs on every
// input of every element of a large array.
inline bool meetsRule(Rule rule, double number) {
    switch (rule) {
        case Rule::Number:
            return std::isfinite(number);
        case Rule::HumidityRange:
            return number > 0 && number <= 100;
        case Rule::NotNegative:
            return number >= 0;
        case Rule::GreaterThanZero:
            break;
    }
    return number > 0;
}

// Reads the texts by the number rules, making the method's checks in its order, then computes
// as above from the numbers read.
Outcome<Calculated> calculate(Method method, const Readings& readings, const UnitChoice& units);

// The kinds of note a result can carry: its range note, the reference's value, an implausible
// input, the standard air pressure put in for one not given.
struct ReferenceNote {
    Method method;  // the method compared with its reference
    friend auto operator<=>(const ReferenceNote&, const ReferenceNote&) = default;
};
struct ImplausibleInput {
    Input input;
    friend auto operator<=>(const ImplausibleInput&, const ImplausibleInput&) = default;
};
struct AirPressureAssumed {
    friend auto operator<=>(const AirPressureAssumed&, const AirPressureAssumed&) = default;
};
using NoteKind = std::variant<RangeNote, ReferenceNote, ImplausibleInput, AirPressureAssumed>;

// The notes of one result, in the order they are given: the range note, the reference's value,
// each implausible input in the order of Input, the air pressure assumed.
class NoteKinds {
  public:
    void add(NoteKind kind) { kinds_[size_++] = kind; }
    void clear() { size_ = 0; }
    const NoteKind* begin() const { return kinds_.data(); }
    const NoteKind* end() const { return kinds_.data() + size_; }
    bool empty() const { return size_ == 0; }

  private:
    std::array<NoteKind, kInputCount + 3> kinds_{};
    std::size_t size_ = 0;
};

NoteKinds noteKinds(const Calculated& calculated);
// The same kinds put into `kinds`, for a caller that keeps one NoteKinds for result after result:
// making a new one clears all its room.
void fillNoteKinds(const Calculated& calculated, NoteKinds& kinds);

// Whom a note is worded for: scripts read the same words whatever the units chosen; a person
// reads the bounds of a range note and a reference's value in the units they chose too.
enum class NoteReader { Script, Person };

// One note of a result, its numbers in the decimal separator of `locale`:
// "NWS heat index: 126.6 °F"; "29.92 hPa is not a surface pressure; in inHg it would be
// 1013.2 hPa"; "Air pressure not given: 1013.25 hPa used". For a person, a reference's value is
// given in the unit chosen for its quantity too ("NWS heat index: 126.6 °F (52.6 °C)") and a
// range note as noteText(RangeNote, UnitChoice, NumberLocale); for a script, a range note is
// noteText(RangeNote).
std::string noteText(const Calculated& calculated, const NoteKind& kind, const NumberLocale& locale,
                     NoteReader reader = NoteReader::Script);

// What a log's summary counts a note as, without the numbers of any one result: the range
// note's text, "Humidity at or below 1 %: a fraction?", "NWS heat index more than 1 °F from
// the result".
std::string noteSummary(const NoteKind& kind);

// How the notes of one result stand on one line: "; " between them.
inline constexpr std::string_view kNoteSeparator = "; ";

// Every note of a result on one line, the range note first, as scripts read it; the remarks,
// as a person reads them, leave the range note out.
std::string noteLine(const Calculated& calculated, const NumberLocale& locale);
std::string remarkLine(const Calculated& calculated, const NumberLocale& locale);

}  // namespace nimbaro
