#include "calculations.h"

#include <algorithm>

#include "formulas/cloud_base.h"
#include "formulas/heat_index.h"
#include "formulas/lightning.h"
#include "formulas/psychrometrics.h"
#include "formulas/wind_chill.h"
#include "guarded_computation.h"
#include "number_text.h"
#include "quantities.h"

namespace nimbaro {
namespace {

constexpr std::size_t kInputCount = static_cast<std::size_t>(Input::Time) + 1;

// The numbers a method read, as typed, and the units they were typed in.
struct Typed {
    std::array<double, kInputCount> numbers{};
    UnitChoice units;

    double operator[](Input input) const { return numbers[static_cast<std::size_t>(input)]; }
    double celsius(Input input) const { return toCelsius((*this)[input], units.temperature); }
    double hectopascals(Input input) const {
        return toHectopascals((*this)[input], units.pressure);
    }
};

// Collects the note of a calculation: the first one noted stands.
struct Noted {
    Calculated calculated;

    void note(bool outside, RangeNote note) {
        if (outside && !calculated.note) {
            calculated.note = note;
        }
    }
};

using Formula = void (*)(const Typed&, Noted&);

using enum Input;

// --- relative humidity -------------------------------------------------------------------------

void humidityFromDewPoint(const Typed& typed, Noted& result) {
    const double air = typed.celsius(AirTemperature);
    const double dewPoint = typed.celsius(DewPoint);
    result.note(supersaturated(air, dewPoint), RangeNote::DewPointAboveAir);
    result.calculated.values = {relativeHumidity(air, dewPoint)};
}

void humidityFromWetBulb(const Typed& typed, Noted& result) {
    const double air = typed.celsius(AirTemperature);
    const double wetBulb = typed.celsius(WetBulb);
    const double pressure = typed.hectopascals(AirPressure);
    result.note(supersaturated(air, wetBulb), RangeNote::WetBulbAboveAir);
    result.calculated.values = {relativeHumidity(air, dewPointFromWetBulb(air, wetBulb, pressure))};
}

// --- dew point and wet bulb --------------------------------------------------------------------

void dewPointFromHumidity(const Typed& typed, Noted& result) {
    const double air = typed.celsius(AirTemperature);
    result.calculated.values =
        inEveryTemperatureUnit(nimbaro::dewPointFromHumidity(air, typed[Humidity]));
}

void dewPointFromWetBulb(const Typed& typed, Noted& result) {
    const double air = typed.celsius(AirTemperature);
    const double wetBulb = typed.celsius(WetBulb);
    const double pressure = typed.hectopascals(AirPressure);
    result.note(supersaturated(air, wetBulb), RangeNote::WetBulbAboveAir);
    result.calculated.values =
        inEveryTemperatureUnit(nimbaro::dewPointFromWetBulb(air, wetBulb, pressure));
}

void wetBulbFromHumidity(const Typed& typed, Noted& result) {
    const double air = typed.celsius(AirTemperature);
    const double humidity = typed[Humidity];
    const double pressure = typed.hectopascals(AirPressure);
    result.calculated.values =
        inEveryTemperatureUnit(nimbaro::wetBulbFromHumidity(air, humidity, pressure));
}

void wetBulbFromDewPoint(const Typed& typed, Noted& result) {
    const double air = typed.celsius(AirTemperature);
    const double dewPoint = typed.celsius(DewPoint);
    const double pressure = typed.hectopascals(AirPressure);
    result.note(supersaturated(air, dewPoint), RangeNote::DewPointAboveAir);
    result.calculated.values =
        inEveryTemperatureUnit(nimbaro::wetBulbFromDewPoint(air, dewPoint, pressure));
}

// --- heat index: the regression works on the air temperature as typed, brought to Fahrenheit;
// the humidity derivations work in Celsius and hectopascals ------------------------------------

void heatIndexOf(const Typed& typed, double humidity, Noted& result) {
    const double fahrenheit =
        heatIndexAirTemperature(typed[AirTemperature], typed.units.temperature);
    result.note(!heatIndexInRange(fahrenheit), RangeNote::HeatIndexBelow80F);
    result.calculated.values =
        inEveryTemperatureUnit(heatIndex(fahrenheit, humidity), TemperatureUnit::Fahrenheit);
}

void heatIndexFromHumidity(const Typed& typed, Noted& result) {
    heatIndexOf(typed, typed[Humidity], result);
}

void heatIndexFromDewPoint(const Typed& typed, Noted& result) {
    result.note(supersaturated(typed[AirTemperature], typed[DewPoint]),
                RangeNote::DewPointAboveAir);
    heatIndexOf(typed, relativeHumidity(typed.celsius(AirTemperature), typed.celsius(DewPoint)),
                result);
}

// The moisture windows multiply out the wet-bulb correction with the pressure first.
double dewPointOfWetBulbReading(const Typed& typed) {
    return nimbaro::dewPointFromWetBulb(typed.celsius(AirTemperature), typed.celsius(WetBulb),
                                        typed.hectopascals(AirPressure),
                                        WetBulbCorrection::PressureFirst);
}

void heatIndexFromWetBulb(const Typed& typed, Noted& result) {
    result.note(supersaturated(typed[AirTemperature], typed[WetBulb]), RangeNote::WetBulbAboveAir);
    const double dewPoint = dewPointOfWetBulbReading(typed);
    heatIndexOf(typed, relativeHumidity(typed.celsius(AirTemperature), dewPoint), result);
}

// --- cloud base height: a derived dew point makes the trip through the typed unit; a typed one
// does not --------------------------------------------------------------------------------------

void cloudHeightOf(double airTemperature, double dewPoint, Noted& result) {
    result.calculated.values = cloudBaseHeight(airTemperature, dewPoint);
    result.note(!hasCloudBase(result.calculated.values.front()), RangeNote::NoCloudBase);
}

void cloudHeightFromHumidity(const Typed& typed, Noted& result) {
    const double air = typed.celsius(AirTemperature);
    cloudHeightOf(air,
                  throughTypedUnit(nimbaro::dewPointFromHumidity(air, typed[Humidity]),
                                   typed.units.temperature),
                  result);
}

void cloudHeightFromDewPoint(const Typed& typed, Noted& result) {
    cloudHeightOf(typed.celsius(AirTemperature), typed.celsius(DewPoint), result);
}

void cloudHeightFromWetBulb(const Typed& typed, Noted& result) {
    cloudHeightOf(typed.celsius(AirTemperature),
                  throughTypedUnit(dewPointOfWetBulbReading(typed), typed.units.temperature),
                  result);
}

// --- wind chill --------------------------------------------------------------------------------

void newWindChillOf(const Typed& typed, Noted& result) {
    const double temperature = typed[AirTemperature];
    const double speed = typed[WindSpeed];
    const UnitChoice& units = typed.units;
    const WindChillRange range =
        newWindChillRange(temperature, units.temperature, speed, units.windSpeed);
    result.note(!range.temperatureInRange && !range.windInRange, RangeNote::WindChillOutsideBoth);
    result.note(!range.temperatureInRange, RangeNote::WindChillAbove50F);
    result.note(!range.windInRange, RangeNote::WindChillBelow3Mph);
    result.calculated.values = newWindChill(temperature, units.temperature, speed, units.windSpeed);
}

void oldWindChillOf(const Typed& typed, Noted& result) {
    result.calculated.values = oldWindChill(typed[AirTemperature], typed.units.temperature,
                                            typed[WindSpeed], typed.units.windSpeed);
}

// --- lightning distance ------------------------------------------------------------------------

void lightningDistance(const Typed& typed, Noted& result) {
    result.calculated.values = lightningDistances(typed[Time], kUncorrectedSpeedOfSound);
}

void correctedLightningDistance(const Typed& typed, Noted& result) {
    const double speed = speedOfSound(typed.celsius(AirTemperature));
    result.note(!speedOfSoundInRange(speed), RangeNote::NegativeSpeedOfSound);
    result.calculated.values = lightningDistances(typed[Time], speed);
}

// --- the methods as data -----------------------------------------------------------------------

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

// In the order of Method; each calculation's methods stand together.
constexpr MethodInfo kMethods[] = {
    {Method::HumidityFromDewPoint, kFromDewPoint, kDewPointChecks},
    {Method::HumidityFromWetBulb, kFromWetBulb, kWetBulbChecks},
    {Method::DewPointFromHumidity, kFromHumidity, kHumidityChecks},
    {Method::DewPointFromWetBulb, kFromWetBulb, kWetBulbChecks},
    {Method::WetBulbFromHumidity, kFromHumidityAndPressure, kHumidityAndPressureChecks},
    {Method::WetBulbFromDewPoint, kFromDewPointAndPressure, kDewPointAndPressureChecks},
    {Method::HeatIndexFromHumidity, kFromHumidity, kHumidityChecks},
    {Method::HeatIndexFromDewPoint, kFromDewPoint, kDewPointChecks},
    {Method::HeatIndexFromWetBulb, kFromWetBulb, kWetBulbChecks},
    {Method::CloudHeightFromHumidity, kFromHumidity, kHumidityChecks},
    {Method::CloudHeightFromDewPoint, kFromDewPoint, kDewPointChecks},
    {Method::CloudHeightFromWetBulb, kFromWetBulb, kWetBulbChecks},
    {Method::NewWindChill, kWindChill, kWindChillChecks},
    {Method::OldWindChill, kWindChill, kWindChillChecks},
    {Method::LightningDistance, kLightning, kLightningChecks},
    {Method::CorrectedLightningDistance, kCorrectedLightning, kCorrectedLightningChecks},
};

constexpr std::span<const MethodInfo> methodsFrom(Method first, std::size_t count) {
    return {kMethods + static_cast<std::size_t>(first), count};
}

constexpr std::string_view kPercent[] = {"Percent"};
constexpr std::string_view kTemperatures[] = {"Celsius", "Fahrenheit", "Kelvin"};
constexpr std::string_view kHeights[] = {"Metres", "Feet"};
constexpr std::string_view kDistances[] = {"Metres", "Kilometres", "Feet", "Miles"};

constexpr CalculationInfo kCalculations[] = {
    {Calculation::RelativeHumidity, "humidity", "Relative Humidity",
     methodsFrom(Method::HumidityFromDewPoint, 2), kPercent},
    {Calculation::DewPoint, "dew-point", "Dew Point", methodsFrom(Method::DewPointFromHumidity, 2),
     kTemperatures},
    {Calculation::WetBulb, "wet-bulb", "Wet Bulb", methodsFrom(Method::WetBulbFromHumidity, 2),
     kTemperatures},
    {Calculation::HeatIndex, "heat-index", "Heat Index",
     methodsFrom(Method::HeatIndexFromHumidity, 3), kTemperatures},
    {Calculation::CloudHeight, "cloud-height", "Cloud Base Height",
     methodsFrom(Method::CloudHeightFromHumidity, 3), kHeights},
    {Calculation::WindChill, "wind-chill", "Wind Chill", methodsFrom(Method::NewWindChill, 2),
     kTemperatures},
    {Calculation::LightningDistance, "lightning", "Lightning Distance",
     methodsFrom(Method::LightningDistance, 2), kDistances},
};

// In the order of Method.
constexpr Formula kFormulas[] = {
    humidityFromDewPoint,    humidityFromWetBulb,
    dewPointFromHumidity,    dewPointFromWetBulb,
    wetBulbFromHumidity,     wetBulbFromDewPoint,
    heatIndexFromHumidity,   heatIndexFromDewPoint,
    heatIndexFromWetBulb,    cloudHeightFromHumidity,
    cloudHeightFromDewPoint, cloudHeightFromWetBulb,
    newWindChillOf,          oldWindChillOf,
    lightningDistance,       correctedLightningDistance,
};

static_assert(std::size(kFormulas) == std::size(kMethods));

// The typed numbers when every check passes, or the first check that fails.
std::variant<Typed, InputFault> checked(const MethodInfo& method, const Readings& readings,
                                        const UnitChoice& units) {
    Typed typed{.units = units};
    for (const Check& check : method.checks) {
        double& number = typed.numbers[static_cast<std::size_t>(check.input)];
        bool passed = true;
        switch (check.rule) {
            case Rule::Number: {
                const std::optional<double> parsed =
                    parseNumber(readings.text(check.input), readings.locale());
                passed = parsed.has_value();
                number = parsed.value_or(0);
                break;
            }
            case Rule::HumidityRange:
                passed = number > 0 && number <= 100;
                break;
            case Rule::GreaterThanZero:
                passed = number > 0;
                break;
        }
        if (!passed) {
            return InputFault{check.input, check.rule};
        }
    }
    return typed;
}

template <typename Unit>
std::optional<Unit> calculationUnit(const Quantity& quantity, std::string_view typed,
                                    std::initializer_list<std::pair<std::string_view, Unit>> ids) {
    const std::optional<std::size_t> unit = findUnit(quantity, typed);
    if (!unit) {
        return std::nullopt;
    }
    for (const auto& [id, calculationUnit] : ids) {
        if (quantity.units[*unit].id == id) {
            return calculationUnit;
        }
    }
    return std::nullopt;
}

}  // namespace

std::span<const CalculationInfo> calculations() {
    return kCalculations;
}

const CalculationInfo& calculationInfo(Calculation calculation) {
    return kCalculations[static_cast<std::size_t>(calculation)];
}

const MethodInfo& methodInfo(Method method) {
    return kMethods[static_cast<std::size_t>(method)];
}

bool reads(Method method, Input input) {
    const auto inputs = methodInfo(method).inputs;
    return std::find(inputs.begin(), inputs.end(), input) != inputs.end();
}

std::optional<TemperatureUnit> findTemperatureUnit(std::string_view typed) {
    return calculationUnit<TemperatureUnit>(temperatureQuantity(), typed,
                                            {{"celsius", TemperatureUnit::Celsius},
                                             {"fahrenheit", TemperatureUnit::Fahrenheit},
                                             {"kelvin", TemperatureUnit::Kelvin}});
}

std::optional<PressureUnit> findPressureUnit(std::string_view typed) {
    return calculationUnit<PressureUnit>(
        airPressureQuantity(), typed,
        {{"hectopascals", PressureUnit::Hectopascals},
         {"millibars", PressureUnit::Hectopascals},
         {"millimetres-of-mercury", PressureUnit::MillimetresOfMercury},
         {"inches-of-mercury", PressureUnit::InchesOfMercury}});
}

std::optional<WindSpeedUnit> findWindSpeedUnit(std::string_view typed) {
    return calculationUnit<WindSpeedUnit>(
        windSpeedQuantity(), typed,
        {{"kilometres-per-hour", WindSpeedUnit::KilometresPerHour},
         {"metres-per-second", WindSpeedUnit::MetresPerSecond},
         {"miles-per-hour", WindSpeedUnit::MilesPerHour},
         {"knots", WindSpeedUnit::Knots}});
}

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
            break;
    }
    return "Speed of sound below zero at this air temperature";
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

// The value as a result shows it, so that 89.999996 °F, shown as 90.00000, is 90.
double asShown(double value, int decimals) {
    const NumberLocale plain = plainNumberLocale();
    return parseNumber(resultText(value, decimals, plain), plain).value_or(value);
}

enum class Severity { Rising, Falling };

// The first category, the most severe first, whose boundary the shown value reaches.
std::optional<Risk> categoryOf(double shown, std::span<const Category> categories,
                               Severity severity) {
    for (const Category& category : categories) {
        if (severity == Severity::Rising ? shown >= category.from : shown <= category.from) {
            return category.risk;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Risk> heatIndexRisk(double fahrenheit, int decimals) {
    return categoryOf(asShown(fahrenheit, decimals), kHeatIndexCategories, Severity::Rising);
}

std::optional<Risk> windChillRisk(double celsius, int decimals) {
    return categoryOf(asShown(celsius, decimals), kWindChillCategories, Severity::Falling);
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

Outcome<Calculated> calculate(Method method, const Readings& readings, const UnitChoice& units) {
    const auto typed = checked(methodInfo(method), readings, units);
    if (const auto* fault = std::get_if<InputFault>(&typed)) {
        return *fault;
    }
    Noted result;
    std::optional<OutputValues> values = computeGuarded([&] {
        kFormulas[static_cast<std::size_t>(method)](std::get<Typed>(typed), result);
        return std::move(result.calculated.values);
    });
    if (!values) {
        return ComputationFault{};
    }
    result.calculated.values = std::move(*values);
    // The heat index is judged in Fahrenheit, the wind chill in Celsius; the old wind chill
    // formula is another index, without categories.
    const std::vector<double>& shown = result.calculated.values;
    switch (method) {
        case Method::HeatIndexFromHumidity:
        case Method::HeatIndexFromDewPoint:
        case Method::HeatIndexFromWetBulb:
            result.calculated.risk = heatIndexRisk(shown.at(1));
            break;
        case Method::NewWindChill:
            result.calculated.risk = windChillRisk(shown.at(0));
            break;
        default:
            break;
    }
    return std::move(result.calculated);
}

}  // namespace nimbaro
