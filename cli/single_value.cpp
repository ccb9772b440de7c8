#include "single_value.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "json.h"
#include "number_text.h"
#include "result_json.h"

namespace nimbaro::cli {
namespace {

// Every result, one line each ("value<TAB>unit name"), or one JSON object; then every note,
// the range note first, and the risk category on standard error, as the windows show them
// under the results.
void print(const Task& task, const Readings& readings, const Results& results, Format format) {
    std::string out;
    if (format == Format::Lines) {
        const std::vector<std::string> names = task.outputNames();
        for (std::size_t i = 0; i < results.texts.size(); ++i) {
            out += results.texts[i];
            out += '\t';
            out += names[i];
            out += '\n';
        }
    } else {
        out += "{\"command\":";
        appendJsonString(out, task.command);
        if (const CalculationTask* calculation = task.calculation()) {
            out += ",\"formula\":";
            appendJsonString(out, formulaName(methodInfo(calculation->method).references));
        }
        appendJsonInputs(out, task, readings);
        appendJsonResults(out, task, results);
        out += "}\n";
    }
    // A failure to write shows when the program ends.
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    std::string remarks;
    for (const std::string& note : results.notes) {
        remarks += "note: " + note + "\n";
    }
    if (results.risk) {
        remarks += "note: " + std::string(riskText(*results.risk)) + "\n";
    }
    std::fwrite(remarks.data(), 1, remarks.size(), stderr);
}

std::string inputFaultMessage(const Task& task, const InputFault& fault, const Readings& readings,
                              bool userLocale) {
    const std::string_view text = readings.text(fault.input);
    // A wind direction is the command's only argument.
    std::string message = (task.isWindDirection() ? task.command + ":"
                                                  : std::string(inputOption(fault.input).option)) +
                          " " + inQuotes(text) + " " +
                          task.faultText(fault, text, readings.locale());
    if (fault.rule == Rule::Number && !userLocale && !task.isWindDirection() &&
        text.find(',') != std::string_view::npos) {
        message += " (write decimals with \".\" and no group separators, or use --locale)";
    }
    return message;
}

}  // namespace

int runSingle(const Task& task, const InputTexts& values, const NumberLocale& locale, Format format,
              bool userLocale) {
    Readings readings(locale);
    for (const Input input : task.inputs()) {
        readings.set(input, values[static_cast<std::size_t>(input)]);
    }
    Results results;
    const std::optional<Fault> fault = compute(task, readings, locale, results);
    if (const auto* inputFault = fault ? std::get_if<InputFault>(&*fault) : nullptr) {
        complain(inputFaultMessage(task, *inputFault, readings, userLocale));
        return kUsageError;
    }
    if (fault) {
        complain(task.command +
                 ": no result for these inputs: the computation leaves the range of numbers "
                 "or the domain of its formula");
        return kComputationFault;
    }
    print(task, readings, results, format);
    return kSuccess;
}

}  // namespace nimbaro::cli
