#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "faults.h"
#include "formulas/units.h"
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
    DewPointFromWetBulbPsychrometric,
    WetBulbFromHumidityPsychrometric,
    WetBulbFromDewPointPsychrometric,
    HeatIndexFromHumidityNws,
    HeatIndexFromDewPointNws,
    HeatIndexFromWetBulbNws,
    HeatIndexFromWetBulbPsychrometric,
    HeatIndexFromWetBulbNwsPsychrometric,
    CloudHeightFromWetBulbPsychrometric,
};

// A formula meteorologists trust, which a method may use in place of the windows' own.
enum class Reference {
    Nws,            // the heat index of the US National Weather Service
    Psychrometric,  // the psychrometric equation of an aspirated psychrometer
};

struct ReferenceInfo {
    Reference reference;
    std::string_view id;      // "psychrometric": how nimbaro-calc's --formula names it
    std::string_view name;    // what it is, for a person
    std::string_view source;  // where it comes from
};

// Every reference formula, in the order of Reference.
std::span<const ReferenceInfo> referenceFormulas();

// The reference formulas a method uses; none for the windows' formulas.
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

// The units the typed temperatures, pressure and wind speed are in; a method reads only the
// ones its inputs need.
struct UnitChoice {
    TemperatureUnit temperature = TemperatureUnit::Celsius;
    PressureUnit pressure = PressureUnit::Hectopascals;
    WindSpeedUnit windSpeed = WindSpeedUnit::KilometresPerHour;
};

// One number for each input, as typed; a method reads only its own inputs.
class InputNumbers {
  public:
    InputNumbers& set(Input input, double number) {
        numbers_[static_cast<std::size_t>(input)] = number;
        return *this;
    }
    double operator[](Input input) const { return numbers_[static_cast<std::size_t>(input)]; }

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
};

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
};

// One line for a person: "Heat index formula is meant for 80 °F (26.7 °C) and above".
std::string_view noteText(RangeNote note);

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
};

// One line for a person: "Danger: heat cramps or heat exhaustion likely, heat stroke possible".
std::string_view riskText(Risk risk);

// Which categories a method's result falls into, and on which output.
enum class RiskRule {
    None,
    HeatIndex,     // the Fahrenheit result as shown, with 5 decimals
    NwsHeatIndex,  // the Fahrenheit result in whole degrees, as the NWS publishes its index
    WindChill,     // the Celsius result as shown, with 5 decimals
};

// The category of a result as it is shown (rounded to `decimals` places); a value on a
// boundary belongs to the more severe category. Nothing below 80 °F or above 0 °C.
std::optional<Risk> heatIndexRisk(double fahrenheit, int decimals = 5);
std::optional<Risk> windChillRisk(double celsius, int decimals = 5);

// A method's outputs from the numbers it read, in the order of its calculation's outputs.
using Formula = OutputValues (*)(const Typed& typed);

// Everything about one method: what it reads and checks, how it works out its outputs, the
// notes it can give and how its result is judged.
struct MethodInfo {
    Method method;
    Calculation calculation;
    std::string_view id;    // "dew-point-from-wet-bulb-psychrometric"
    std::string_view name;  // "Dew point from air temperature, wet bulb and air pressure, ..."
    std::span<const Input> inputs;  // what it reads
    std::span<const Check> checks;  // in the order it makes them; the first broken one fails
    References references;
    Formula formula;
    std::span<const UnitRef> outputs;  // the unit of each output: degrees Celsius
    std::span<const NoteRule> notes;   // the first that applies is given
    RiskRule risk = RiskRule::None;
};

struct CalculationInfo {
    Calculation calculation;
    std::string_view id;                     // "dew-point"
    std::string_view name;                   // "Dew Point"
    std::span<const MethodInfo> methods;     // the windows', in the order of their options
    std::span<const MethodInfo> references;  // by reference formulas
    std::span<const UnitRef> outputs;        // the unit of each output, as its methods give them
    int decimals = 5;
};

std::span<const CalculationInfo> calculations();
const CalculationInfo& calculationInfo(Calculation calculation);
// Every method, in the order of Method.
std::span<const MethodInfo> methods();
const MethodInfo& methodInfo(Method method);
bool reads(Method method, Input input);
// Every note the methods can give, each once, in the order of RangeNote.
std::vector<RangeNote> possibleNotes(std::span<const MethodInfo> methods);

// A calculation's unit named by any spelling of a unit of its quantity ("C", "degC", "ºC",
// "celsius"; "hPa", "mb", "in Hg"; "kn", "kts", "ft/s"), as findUnit() finds it.
std::optional<TemperatureUnit> findTemperatureUnit(std::string_view typed);
std::optional<PressureUnit> findPressureUnit(std::string_view typed);
std::optional<WindSpeedUnit> findWindSpeedUnit(std::string_view typed);

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
    OutputValues values;  // every output, in the order of the outputs; each finite
    std::optional<RangeNote> note;
    std::optional<Risk> risk;  // of a heat index or a new-formula wind chill

    friend bool operator==(const Calculated&, const Calculated&) = default;
};

// Checks the numbers the method reads by its rules (a number that is not finite breaks the
// rule of a number), converts them into the units of its formulas and works out every output,
// in each formula's own order of operations, with its note and risk. It allocates nothing, so
// that it can run on every element of a large array.
Outcome<Calculated> calculate(Method method, const InputNumbers& numbers, const UnitChoice& units);

// The outcome of each element of a block, as calculate() gives it for each alone, with the fault
// guard kept around the whole block while nothing faults: quicker on a large array. `outcomes`
// must have room for every element.
void calculate(Method method, std::span<const InputNumbers> numbers, const UnitChoice& units,
               std::span<Outcome<Calculated>> outcomes);

// Whether a number keeps a rule, as a method's checks judge it.
bool meetsRule(Rule rule, double number);

// Reads the texts by the number rules, making the method's checks in its order, then computes
// as above from the numbers read.
Outcome<Calculated> calculate(Method method, const Readings& readings, const UnitChoice& units);

}  // namespace nimbaro
