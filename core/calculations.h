#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "faults.h"
#include "formulas/units.h"
#include "number_locale.h"

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

// Each calculation by each of its input methods.
enum class Method {
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
};

// One rule a method applies to one of its inputs.
struct Check {
    Input input;
    Rule rule;
};

struct MethodInfo {
    Method method;
    std::span<const Input> inputs;  // what it reads
    std::span<const Check> checks;  // in the order it makes them; the first broken one fails
};

struct CalculationInfo {
    Calculation calculation;
    std::string_view id;    // "dew-point"
    std::string_view name;  // "Dew Point"
    std::span<const MethodInfo> methods;
    std::span<const std::string_view> outputNames;  // "Celsius", "Fahrenheit", "Kelvin"
    int decimals = 5;
};

std::span<const CalculationInfo> calculations();
const CalculationInfo& calculationInfo(Calculation calculation);
const MethodInfo& methodInfo(Method method);
bool reads(Method method, Input input);

// The units the typed temperatures, pressure and wind speed are in; a method reads only the
// ones its inputs need.
struct UnitChoice {
    TemperatureUnit temperature = TemperatureUnit::Celsius;
    PressureUnit pressure = PressureUnit::Hectopascals;
    WindSpeedUnit windSpeed = WindSpeedUnit::KilometresPerHour;
};

// A calculation's unit named by the id, name or a symbol of a unit of its quantity ("C",
// "degC", "celsius"; "hPa", "mb"; "kn", "knots"), without regard to case. Pressures are
// hectopascals (millibars), millimetres or inches of mercury; wind speeds all those of the
// wind speed quantity but feet per second.
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
    std::array<std::string_view, static_cast<std::size_t>(Input::Time) + 1> texts_{};
};

// A result that lies outside the range its formula is meant for; the values stand.
enum class RangeNote {
    HeatIndexBelow80F,
    WindChillAbove50F,
    WindChillBelow3Mph,
    WindChillOutsideBoth,
    DewPointAboveAir,
    WetBulbAboveAir,
    NoCloudBase,
    NegativeSpeedOfSound,
};

// One line for a person: "Heat index formula is meant for 80 °F (26.7 °C) and above".
std::string_view noteText(RangeNote note);

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

// The category of a result as it is shown (rounded to `decimals` places); a value on a
// boundary belongs to the more severe category. Nothing below 80 °F or above 0 °C.
std::optional<Risk> heatIndexRisk(double fahrenheit, int decimals = 5);
std::optional<Risk> windChillRisk(double celsius, int decimals = 5);

struct Calculated {
    std::vector<double> values;  // every output, in the order of outputNames; each finite
    std::optional<RangeNote> note;
    std::optional<Risk> risk;  // of a heat index or a new-formula wind chill

    friend bool operator==(const Calculated&, const Calculated&) = default;
};

// Reads and checks the method's inputs, converts them into the units of its formulas and
// works out every output, in each formula's own order of operations.
Outcome<Calculated> calculate(Method method, const Readings& readings, const UnitChoice& units);

}  // namespace nimbaro
