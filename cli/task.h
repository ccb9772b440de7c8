#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calculations.h"
#include "method_choice.h"
#include "quantities.h"

namespace nimbaro::cli {

// What the command line gave for each input: a number, or in CSV mode the column that holds
// it (or a constant); empty for an input not given.
using InputTexts = std::array<std::string, kInputCount>;

// How an input is given on the command line and named in messages, after the engine's row.
struct InputOption {
    Input input;
    std::string option;     // "--air-temperature"
    std::string_view name;  // "air temperature"
};

const InputOption& inputOption(Input input);

// A calculation by one method, its inputs typed in the units chosen.
struct CalculationTask {
    const CalculationInfo* calculation = nullptr;
    Method method{};
    UnitChoice units;
    // No air pressure was given: the method reads kStandardAirPressure and notes it.
    bool airPressureAssumed = false;
};

// A conversion from one unit of a quantity into all of them, or into those chosen.
struct ConversionTask {
    const Quantity* quantity = nullptr;
    std::size_t fromUnit = 0;
};

// The range, mid-point and point of a wind direction.
struct WindDirectionTask {};

// One conversion, one calculation or the wind direction, as chosen on the command line.
struct Task {
    std::string command;  // "dew-point", "convert wind-speed": how messages name it
    std::variant<CalculationTask, ConversionTask, WindDirectionTask> what;
    // The outputs chosen (--to), by their places among the task's outputs; empty for all.
    std::vector<std::size_t> outputs;
    // In a log: a column for the notes and, where there is one, the risk category.
    bool noteColumns = true;
    // Lines name the results by their units' symbols ("°C") rather than names.
    bool symbols = false;
    // Notes for a person (--locale): range bounds and a reference's value also in the units
    // chosen, numbers as the results show them; otherwise worded as scripts have always read them.
    bool notesInChosenUnits = false;

    // The task's kind, or none where it is of another.
    const CalculationTask* calculation() const { return std::get_if<CalculationTask>(&what); }
    const ConversionTask* conversion() const { return std::get_if<ConversionTask>(&what); }
    bool isWindDirection() const { return std::holds_alternative<WindDirectionTask>(what); }

    std::span<const Input> inputs() const;
    // The unit an input is typed in; none for a wind direction.
    const Unit* inputUnit(Input input) const;
    // The unit of every output; none for the wind direction's.
    std::vector<const Unit*> outputUnits() const;
    // How a line names every output: its unit's name ("degrees Celsius") or symbol.
    std::vector<std::string> outputNames() const;
    // Whether a result may come with a risk category.
    bool hasRisk() const;
    // The title of every column a log gets after its own: the calculation's name or, for a
    // conversion, the title of the converted column, with each output's unit ("Dew Point (°C)",
    // "gust_kn (km/h)"), then the notes and the risk ("Dew Point Note").
    std::vector<std::string> columnTitles(std::string_view valueTitle) const;
    std::size_t columnCount() const;
    // "is not a number", "is not within 0 < humidity <= 100", ...
    std::string_view ruleText(Rule rule) const;
    // What is wrong with the text of an input that broke a rule: ruleText(), or for a number
    // written beyond the double range (1e309), that it is out of the range of numbers.
    std::string faultText(const InputFault& fault, std::string_view text,
                          const NumberLocale& locale) const;
    // The rule a value given for an input breaks, judged as the task judges every reading.
    std::optional<Rule> brokenRule(Input input, std::string_view text,
                                   const NumberLocale& locale) const;
};

// Adds an output to those chosen by --to (typed as `typed`); throws a usage error for one
// chosen before, which would be written twice.
void chooseOutput(Task& task, std::size_t output, std::string_view typed);

struct Results {
    std::vector<std::string> texts;  // in the order of the outputs; none where not asked for
    std::vector<double> values;      // the same as numbers; NaN for a name (a compass point)
    std::optional<RangeNote> note;
    std::optional<Risk> risk;
    NoteKinds noteKinds;             // every note, the range note first
    std::vector<std::string> notes;  // their texts, numbers as the results show them
};

// Why the readings have no results.
using Fault = std::variant<InputFault, ComputationFault>;

// The results of the readings into `results`, whose buffers are reused: the texts with the
// digits the windows show, written with `shown`; the readings are read with their own locale;
// the notes' texts only where `noteTexts` asks for them (their kinds always). The fault when
// there are none.
std::optional<Fault> compute(const Task& task, const Readings& readings, const NumberLocale& shown,
                             Results& results, bool noteTexts = true);

// The results of a calculation that has outputs, as compute() gives them; without their texts
// where `resultTexts` does not ask for them, for a caller that writes the values itself.
void calculatedResults(const Task& task, Calculated& calculated, const NumberLocale& shown,
                       Results& results, bool noteTexts, bool resultTexts);

// A humidity is often written with its percent sign: "60%" reads as 60.
std::string_view withoutPercentSign(std::string_view text);

}  // namespace nimbaro::cli
