#include "calculation_expectations.h"

#include <QStringList>
#include <algorithm>
#include <map>

#include "formulas/cloud_base.h"
#include "formulas/heat_index.h"
#include "formulas/lightning.h"
#include "formulas/psychrometrics.h"
#include "formulas/units.h"
#include "formulas/wind_chill.h"
#include "guarded.h"
#include "locale_bridge.h"
#include "number_text.h"

namespace nimbaro::test {
namespace {

const QString kFault = QStringLiteral("Unable to Calculate: Invalid Numbers Used");

// The option group giving the unit a number is typed in, if any.
enum class UnitGroup { None, Temperature, Pressure, WindSpeed };

// The units of the groups, each the first option set in the order of its unit enum; nothing
// for a group without a selection.
struct Units {
    std::optional<TemperatureUnit> temperature;
    std::optional<PressureUnit> pressure;
    std::optional<WindSpeedUnit> windSpeed;

    bool has(UnitGroup group) const {
        switch (group) {
            case UnitGroup::Temperature:
                return temperature.has_value();
            case UnitGroup::Pressure:
                return pressure.has_value();
            case UnitGroup::WindSpeed:
                return windSpeed.has_value();
            case UnitGroup::None:
                break;
        }
        return true;
    }
    double celsius(double typed) const { return toCelsius(typed, *temperature); }
    double hectopascals(double typed) const { return toHectopascals(typed, *pressure); }
};

template <typename Unit>
std::optional<Unit> firstSet(const Screen& screen, const std::vector<QStringList>& options) {
    for (std::size_t unit = 0; unit < options.size(); ++unit) {
        for (const QString& option : options[unit]) {
            if (screen.isChecked(option)) {
                return static_cast<Unit>(unit);
            }
        }
    }
    return std::nullopt;
}

// The options of each unit, in the order of its enum; none for a unit no window offers
// (pascals, millibars apart from hectopascals, feet per second).
Units unitsOn(const Screen& screen) {
    return {
        firstSet<TemperatureUnit>(screen, {{"optCelsius"}, {"optFahrenheit"}, {"optKelvin"}}),
        firstSet<PressureUnit>(
            screen,
            {{}, {"optHpaMb", "optHectopascalsMillibars"}, {}, {"optmmOfHg"}, {"optinOfHg"}}),
        firstSet<WindSpeedUnit>(
            screen, {{"optKmPerHour"}, {"optMPerSec"}, {"optMilesPerHour"}, {}, {"optKnots"}}),
    };
}

// A rule on a number that passed its number check.
struct Range {
    bool (*holds)(double);
    const char* title;
    const char* prompt;
};

const Range kHumidityRange{
    [](double humidity) { return humidity > 0 && humidity <= 100; }, "Valid Humidity Value Needed",
    "Please insert a number greater than 0 & less than or equal to 100 into the white box "
    "(Humidity)"};
const Range kPositiveWindSpeed{[](double speed) { return speed > 0; }, "Positive Value Needed",
                               "Please insert a number greater than 0 into the white box (Wind "
                               "Speed)"};
const Range kPositiveTime{[](double seconds) { return seconds > 0; }, "Valid Time Value Needed",
                          "Please insert a number greater than 0 into the white box (Time)"};

// One check of a click: the number check of a box, whose number then goes to the formula, or a
// range rule on the number of a box checked before.
struct Check {
    QString box;
    QString name = {};  // as the number check's message names the box
    UnitGroup unit = UnitGroup::None;
    const Range* range = nullptr;
};

Check rangeOf(const QString& box, const Range& range) {
    return {.box = box, .range = &range};
}

const Check kAirTemperature{"txtAirTemp", "Air Temperature", UnitGroup::Temperature};
const Check kHumidity{"txtHumidity", "Humidity"};
const Check kWetBulb{"txtWetBulb", "Wet-Bulb", UnitGroup::Temperature};
const Check kAirPressure{"txtAirPressure", "Air Pressure", UnitGroup::Pressure};
const Check kDewPoint{"txtDewPoint", "Dew Point", UnitGroup::Temperature};
const Check kDewPointTemperature{"txtDewPoint", "Dew-Point Temperature", UnitGroup::Temperature};
const Check kTime{"txtTime", "Time"};

// Every output's value from the units and the numbers of the number checks, in their order.
using Formula = std::function<OutputValues(const Units& units, const std::vector<double>& typed)>;

// An input method: the option selecting it, its checks in the window's order, its arithmetic.
struct Method {
    QString option;
    std::vector<Check> checks;
    Formula formula;
};

struct CalculationRules {
    QStringList outputs;  // in the order of the formula's values; the first is result-checked
    bool resultCheck = true;
    std::vector<Method> methods;  // tested in this order
};

// The message of the first check that refuses the screen's entries, or nothing with every
// checked number in `typed`.
std::optional<QString> firstRefusal(const Method& method, const Screen& screen,
                                    const NumberLocale& locale, std::vector<double>& typed) {
    for (const Check& check : method.checks) {
        const std::optional<double> number =
            parseNumber(toUtf8(screen.boxes.at(check.box)), locale);
        if (check.range != nullptr) {
            if (!check.range->holds(number.value())) {
                return QString::fromUtf8(check.range->title) + ": " + check.range->prompt;
            }
            continue;
        }
        if (!number) {
            return "Numerical Value Needed: Please insert a number into the white box (" +
                   check.name + ")";
        }
        typed.push_back(*number);
    }
    return std::nullopt;
}

// Each value as an output shows it: the plain number text, formatted with five decimals;
// nothing on a fault or a text that does not read back.
std::optional<QStringList> shownTexts(const std::function<OutputValues()>& arithmetic,
                                      const NumberLocale& locale) {
    const std::optional<OutputValues> values = computeGuarded(arithmetic);
    if (!values) {
        return std::nullopt;
    }
    QStringList texts;
    for (const double value : *values) {
        const std::optional<double> plain = parseNumber(numberToText(value, locale), locale);
        if (!plain) {
            return std::nullopt;
        }
        texts << fromUtf8(formatFixed(*plain, 5, locale));
    }
    return texts;
}

Outcome calculationOutcome(const CalculationRules& rules, const Screen& before,
                           const NumberLocale& locale) {
    Outcome outcome{false, before};
    const auto method = std::find_if(rules.methods.begin(), rules.methods.end(),
                                     [&](const Method& m) { return before.isChecked(m.option); });
    std::vector<double> typed;
    const std::optional<QString> refusal =
        method == rules.methods.end() ? std::nullopt : firstRefusal(*method, before, locale, typed);
    const Units units = unitsOn(before);
    const bool unitsSet = method != rules.methods.end() &&
                          std::all_of(method->checks.begin(), method->checks.end(),
                                      [&](const Check& check) { return units.has(check.unit); });
    if (refusal) {
        outcome.messages.append(*refusal);
    } else if (unitsSet) {
        const std::optional<QStringList> texts =
            shownTexts([&] { return method->formula(units, typed); }, locale);
        if (!texts) {
            // The fault message says it all: nothing is written and no result check follows.
            outcome.message = true;
            outcome.messages = {kFault};
            return outcome;
        }
        for (qsizetype i = 0; i < rules.outputs.size(); ++i) {
            outcome.screen.labels[rules.outputs[i]] = texts->at(i);
        }
    }
    if (rules.resultCheck &&
        !isNumeric(toUtf8(outcome.screen.labels.at(rules.outputs.front())), locale)) {
        outcome.messages.append(kFault);
    }
    outcome.message = !outcome.messages.empty();
    return outcome;
}

const QStringList kTemperatureOutputs = {"lblCelsius", "lblFahrenheit", "lblKelvin"};

// The heat index of the air temperature as typed and a relative humidity.
OutputValues heatIndexOf(const Units& units, double airTemperature, double humidity) {
    return inEveryTemperatureUnit(
        heatIndex(heatIndexAirTemperature(airTemperature, *units.temperature), humidity),
        TemperatureUnit::Fahrenheit);
}

double dewPointOfWetBulb(const Units& units, const std::vector<double>& typed,
                         WetBulbCorrection order) {
    return dewPointFromWetBulb(units.celsius(typed[0]), units.celsius(typed[1]),
                               units.hectopascals(typed[2]), order);
}

// The windows reading the moisture by humidity, dew point or wet bulb with pressure, in the
// order they test their method options.
std::vector<Method> moistureMethods(Formula fromHumidity, Formula fromDewPoint,
                                    Formula fromWetBulb) {
    return {
        {"optAirTempHumidity",
         {kAirTemperature, kHumidity, rangeOf("txtHumidity", kHumidityRange)},
         std::move(fromHumidity)},
        {"optAirTempDew", {kAirTemperature, kDewPointTemperature}, std::move(fromDewPoint)},
        {"optAirTempWetBAirPressure",
         {kAirTemperature, kWetBulb, kAirPressure},
         std::move(fromWetBulb)},
    };
}

std::vector<Method> windChillMethods() {
    const std::vector<Check> checks = {
        {"txtInTemp", "Temperature", UnitGroup::Temperature},
        {"txtInWind", "Wind Speed", UnitGroup::WindSpeed},
        rangeOf("txtInWind", kPositiveWindSpeed),
    };
    return {
        {"optNewFormula", checks,
         [](const Units& u, const std::vector<double>& x) {
             return newWindChill(x[0], *u.temperature, x[1], *u.windSpeed);
         }},
        {"optOldFormula", checks,
         [](const Units& u, const std::vector<double>& x) {
             return oldWindChill(x[0], *u.temperature, x[1], *u.windSpeed);
         }},
    };
}

// The one table of what each calculation window reads and works out.
const std::map<QString, CalculationRules>& calculationWindows() {
    using Typed = const std::vector<double>&;
    static const std::map<QString, CalculationRules> windows = {
        {"frmHumidity",
         {{"lblHumidity"},
          true,
          {{"optAirTempDewPoint",
            {kAirTemperature, kDewPoint},
            [](const Units& u, Typed x) {
                return OutputValues{relativeHumidity(u.celsius(x[0]), u.celsius(x[1]))};
            }},
           {"optAirTempWetBulbAirPressure",
            {kAirTemperature, kWetBulb, kAirPressure},
            [](const Units& u, Typed x) {
                return OutputValues{relativeHumidity(
                    u.celsius(x[0]), dewPointOfWetBulb(u, x, WetBulbCorrection::DepressionFirst))};
            }}}}},
        {"frmDewPoint",
         {kTemperatureOutputs,
          true,
          {{"optAirTempHumidity",
            {kAirTemperature, kHumidity, rangeOf("txtHumidity", kHumidityRange)},
            [](const Units& u, Typed x) {
                return inEveryTemperatureUnit(dewPointFromHumidity(u.celsius(x[0]), x[1]));
            }},
           {"optAirTempWetBulbAirPressure",
            {kAirTemperature, kWetBulb, kAirPressure},
            [](const Units& u, Typed x) {
                return inEveryTemperatureUnit(
                    dewPointOfWetBulb(u, x, WetBulbCorrection::DepressionFirst));
            }}}}},
        {"frmWetBulb",
         {kTemperatureOutputs,
          true,
          {{"optAirTempHumidity",
            {kAirTemperature, kHumidity, kAirPressure, rangeOf("txtHumidity", kHumidityRange)},
            [](const Units& u, Typed x) {
                return inEveryTemperatureUnit(
                    wetBulbFromHumidity(u.celsius(x[0]), x[1], u.hectopascals(x[2])));
            }},
           {"optAirTempDewPoint",
            {kAirTemperature, kDewPoint, kAirPressure},
            [](const Units& u, Typed x) {
                return inEveryTemperatureUnit(
                    wetBulbFromDewPoint(u.celsius(x[0]), u.celsius(x[1]), u.hectopascals(x[2])));
            }}}}},
        {"frmHeatIndex",
         {kTemperatureOutputs, true,
          moistureMethods(
              [](const Units& u, Typed x) { return heatIndexOf(u, x[0], x[1]); },
              [](const Units& u, Typed x) {
                  return heatIndexOf(u, x[0], relativeHumidity(u.celsius(x[0]), u.celsius(x[1])));
              },
              [](const Units& u, Typed x) {
                  return heatIndexOf(
                      u, x[0],
                      relativeHumidity(u.celsius(x[0]),
                                       dewPointOfWetBulb(u, x, WetBulbCorrection::PressureFirst)));
              })}},
        {"frmCloudHeight",
         {{"lblMetres", "lblFeet"},
          true,
          moistureMethods(
              [](const Units& u, Typed x) {
                  const double air = u.celsius(x[0]);
                  return cloudBaseHeight(
                      air, throughTypedUnit(dewPointFromHumidity(air, x[1]), *u.temperature));
              },
              [](const Units& u, Typed x) {
                  return cloudBaseHeight(u.celsius(x[0]), u.celsius(x[1]));
              },
              [](const Units& u, Typed x) {
                  return cloudBaseHeight(
                      u.celsius(x[0]),
                      throughTypedUnit(dewPointOfWetBulb(u, x, WetBulbCorrection::PressureFirst),
                                       *u.temperature));
              })}},
        {"frmWindChillCalculations", {kTemperatureOutputs, false, windChillMethods()}},
        {"frmLightningDistance",
         {{"lblMetres", "lblKilometres", "lblFeet", "lblMiles"},
          true,
          {{"optNoCorrection",
            {kTime, rangeOf("txtTime", kPositiveTime)},
            [](const Units&, Typed x) {
                return lightningDistances(x[0], kUncorrectedSpeedOfSound);
            }},
           {"optAirTempCorrection",
            {kTime, rangeOf("txtTime", kPositiveTime), kAirTemperature},
            [](const Units& u, Typed x) {
                return lightningDistances(x[0], speedOfSound(u.celsius(x[1])));
            }}}}},
    };
    return windows;
}

}  // namespace

Expectation calculationExpectation(const QString& windowName) {
    const auto found = calculationWindows().find(windowName);
    if (found == calculationWindows().end()) {
        return {};
    }
    const CalculationRules& rules = found->second;
    return [&rules](const Screen& before, const QString& button,
                    const NumberLocale& locale) -> std::optional<Outcome> {
        if (button != QLatin1String("cmdCalculate")) {
            return std::nullopt;
        }
        return calculationOutcome(rules, before, locale);
    };
}

}  // namespace nimbaro::test
