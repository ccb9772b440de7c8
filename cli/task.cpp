#include "task.h"

#include <algorithm>
#include <limits>

#include "diagnostics.h"
#include "number_text.h"
#include "result_text.h"
#include "wind_direction.h"

namespace nimbaro::cli {
namespace {

constexpr Input kValue[] = {Input::Value};

// The wind direction's outputs: how a line names each, and its column title after the
// direction column's.
struct DirectionOutput {
    std::string_view name;
    std::string_view title;
};
constexpr DirectionOutput kDirectionOutputs[] = {{"Degrees from", "from (°)"},
                                                 {"Degrees to", "to (°)"},
                                                 {"Mid-point degrees", "mid-point (°)"},
                                                 {"Compass point", "point"},
                                                 {"Direction", "direction"}};

constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

// The range, mid-point and point of a compass point, or of a number of degrees.
Outcome<Results> windDirection(std::string_view typed, const NumberLocale& read,
                               const NumberLocale& shown) {
    const std::optional<std::size_t> point = compassPointOf(typed, read);
    if (!point) {
        return InputFault{Input::Value, Rule::Number};
    }
    const CompassPoint& compass = compassPoints()[*point];
    return Results{
        {boundText(compass.from, shown), boundText(compass.to, shown), midPointText(*point, shown),
         std::string(compass.abbreviation), std::string(compass.name)},
        {static_cast<double>(compass.from), static_cast<double>(compass.to), compass.midPoint,
         kNoNumber, kNoNumber},
        std::nullopt,
        std::nullopt,
        {},
        {}};
}

}  // namespace

std::string_view withoutPercentSign(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '%')) {
        text.remove_suffix(1);
    }
    return text;
}

const InputOption& inputOption(Input input) {
    static const std::vector<InputOption> options = [] {
        std::vector<InputOption> made;
        for (const InputInfo& info : inputs()) {
            made.push_back({info.input, "--" + std::string(info.id), info.name});
        }
        return made;
    }();
    return options[static_cast<std::size_t>(input)];
}

std::string_view Task::ruleText(Rule rule) const {
    return isWindDirection() && rule == Rule::Number ? kNoCompassPoint : nimbaro::ruleText(rule);
}

std::string Task::faultText(const InputFault& fault, std::string_view text,
                            const NumberLocale& locale) const {
    const std::string_view number =
        fault.input == Input::Humidity ? withoutPercentSign(text) : text;
    if (fault.rule == Rule::Number && isBeyondNumberRange(number, locale)) {
        return "is out of the range of numbers (±1.8e308)";
    }
    return std::string(ruleText(fault.rule));
}

std::optional<Rule> Task::brokenRule(Input input, std::string_view text,
                                     const NumberLocale& locale) const {
    const std::optional<double> number =
        parseNumber(input == Input::Humidity ? withoutPercentSign(text) : text, locale);
    if (!number) {
        return Rule::Number;
    }
    if (const CalculationTask* task = calculation()) {
        for (const Check& check : methodInfo(task->method).checks) {
            if (check.input == input && !meetsRule(check.rule, *number)) {
                return check.rule;
            }
        }
    }
    return std::nullopt;
}

void chooseOutput(Task& task, std::size_t output, std::string_view typed) {
    if (std::find(task.outputs.begin(), task.outputs.end(), output) != task.outputs.end()) {
        throw usageError("--to: " + inQuotes(typed) + " names a unit already chosen");
    }
    task.outputs.push_back(output);
}

std::span<const Input> Task::inputs() const {
    if (const CalculationTask* task = calculation()) {
        return methodInfo(task->method).inputs;
    }
    return kValue;
}

const Unit* Task::inputUnit(Input input) const {
    if (const CalculationTask* task = calculation()) {
        return &typedUnit(input, task->units).unit();
    }
    const ConversionTask* task = conversion();
    return task == nullptr ? nullptr : &task->quantity->units[task->fromUnit];
}

std::vector<const Unit*> Task::outputUnits() const {
    std::vector<const Unit*> every;
    if (const CalculationTask* task = calculation()) {
        for (const UnitRef& output : task->calculation->outputs) {
            every.push_back(&output.unit());
        }
    } else if (const ConversionTask* task = conversion()) {
        for (const Unit& unit : task->quantity->units) {
            every.push_back(&unit);
        }
    } else {
        every.assign(std::size(kDirectionOutputs), nullptr);
    }
    if (outputs.empty()) {
        return every;
    }
    std::vector<const Unit*> chosen;
    for (const std::size_t output : outputs) {
        chosen.push_back(every[output]);
    }
    return chosen;
}

std::vector<std::string> Task::outputNames() const {
    std::vector<std::string> names;
    const std::vector<const Unit*> units = outputUnits();
    for (std::size_t i = 0; i < units.size(); ++i) {
        names.emplace_back(units[i] == nullptr ? kDirectionOutputs[i].name
                           : symbols           ? units[i]->symbol
                                               : units[i]->name);
    }
    return names;
}

bool Task::hasRisk() const {
    const CalculationTask* task = calculation();
    return task != nullptr && methodInfo(task->method).risk.has_value();
}

std::vector<std::string> Task::columnTitles(std::string_view valueTitle) const {
    const CalculationTask* task = calculation();
    const std::string what(task != nullptr ? task->calculation->name : valueTitle);
    std::vector<std::string> titles;
    const std::vector<const Unit*> units = outputUnits();
    for (std::size_t i = 0; i < units.size(); ++i) {
        // Appended piece by piece: GCC 12 at -O3 takes "(" + std::string(...) for an
        // overlapping copy (-Wrestrict).
        std::string& title = titles.emplace_back(what + " ");
        if (units[i] == nullptr) {
            title += kDirectionOutputs[i].title;
        } else {
            title += '(';
            title += units[i]->symbol;
            title += ')';
        }
    }
    if (task != nullptr && noteColumns) {
        titles.push_back(what + " Note");
        if (hasRisk()) {
            titles.push_back(what + " " + std::string(task->calculation->categoryTitle));
        }
    }
    return titles;
}

std::size_t Task::columnCount() const {
    return columnTitles({}).size();
}

namespace {

// The results of a calculation that has them, every output in the order of the outputs.
void fillCalculated(const Task& task, Calculated& calculated, const NumberLocale& shown,
                    Results& results, bool noteTexts, bool resultTexts = true) {
    const CalculationTask& calculation = *task.calculation();
    calculated.airPressureAssumed = calculation.airPressureAssumed;
    results.texts.resize(resultTexts ? calculated.values.size() : 0);
    results.values.assign(calculated.values.begin(), calculated.values.end());
    for (std::size_t i = 0; i < results.texts.size(); ++i) {
        std::string& text = results.texts[i];
        text.clear();
        appendResultText(text, results.values[i], calculation.calculation->decimals, shown);
    }
    results.note = calculated.note;
    results.risk = calculated.risk;
    fillNoteKinds(calculated, results.noteKinds);
    results.notes.clear();
    if (!noteTexts) {
        return;
    }
    const NoteReader reader = task.notesInChosenUnits ? NoteReader::Person : NoteReader::Script;
    for (const NoteKind& kind : results.noteKinds) {
        results.notes.push_back(noteText(calculated, kind, shown, reader));
    }
}

// Every output, in the order of the task's outputs.
std::optional<Fault> computeEvery(const Task& task, const Readings& typed,
                                  const NumberLocale& shown, Results& results, bool noteTexts) {
    const NumberLocale& read = typed.locale();
    results.note.reset();
    results.risk.reset();
    results.noteKinds.clear();
    results.notes.clear();
    if (task.isWindDirection()) {
        Outcome<Results> direction = windDirection(typed.text(Input::Value), read, shown);
        if (Results* found = std::get_if<Results>(&direction)) {
            results = std::move(*found);
            return std::nullopt;
        }
        return std::get<InputFault>(direction);
    }
    if (const ConversionTask* conversion = task.conversion()) {
        const Quantity& quantity = *conversion->quantity;
        auto converted = convert(quantity, conversion->fromUnit, typed.text(Input::Value), read);
        if (auto* texts = std::get_if<std::vector<std::string>>(&converted)) {
            results.texts = std::move(*texts);
            results.values.resize(results.texts.size());
            convert(quantity, conversion->fromUnit, *parseNumber(typed.text(Input::Value), read),
                    results.values);
            if (shown.groupSeparator != read.groupSeparator) {
                for (std::string& text : results.texts) {
                    text = copyableText(text, read);
                }
            }
            return std::nullopt;
        }
        if (const auto* fault = std::get_if<InputFault>(&converted)) {
            return *fault;
        }
        return ComputationFault{};
    }
    const CalculationTask& calculation = *task.calculation();
    Readings readings = typed;
    readings.set(Input::Humidity, withoutPercentSign(typed.text(Input::Humidity)));
    Outcome<Calculated> calculated = calculate(calculation.method, readings, calculation.units);
    if (auto* values = std::get_if<Calculated>(&calculated)) {
        fillCalculated(task, *values, shown, results, noteTexts);
        return std::nullopt;
    }
    if (const auto* fault = std::get_if<InputFault>(&calculated)) {
        return *fault;
    }
    return ComputationFault{};
}

// The chosen outputs, in the order chosen, moved to the front.
void keepChosenOutputs(const Task& task, Results& results) {
    if (task.outputs.empty()) {
        return;
    }
    std::vector<std::string> texts;
    std::vector<double> values;
    for (const std::size_t output : task.outputs) {
        if (!results.texts.empty()) {
            texts.push_back(std::move(results.texts[output]));
        }
        values.push_back(results.values[output]);
    }
    results.texts = std::move(texts);
    results.values = std::move(values);
}

}  // namespace

std::optional<Fault> compute(const Task& task, const Readings& typed, const NumberLocale& shown,
                             Results& results, bool noteTexts) {
    const std::optional<Fault> fault = computeEvery(task, typed, shown, results, noteTexts);
    if (!fault) {
        keepChosenOutputs(task, results);
    }
    return fault;
}

void calculatedResults(const Task& task, Calculated& calculated, const NumberLocale& shown,
                       Results& results, bool noteTexts, bool resultTexts) {
    fillCalculated(task, calculated, shown, results, noteTexts, resultTexts);
    keepChosenOutputs(task, results);
}

}  // namespace nimbaro::cli
