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

namespace nimbaro::cli {
namespace {

struct NamedText {
    std::string_view name;
    std::string text;
};

// A line beside the results, as the windows show under them: a range note or a risk category.
struct Remark {
    std::string_view kind;  // its JSON member: "note" or "risk"
    std::string_view text;
};

// JSON names the formula of a calculation (`formula`; empty for the others).
void print(std::string_view command, std::string_view formula,
           const std::vector<NamedText>& results, const std::vector<Remark>& remarks,
           Format format) {
    std::string out;
    if (format == Format::Lines) {
        for (const NamedText& result : results) {
            out += result.text;
            out += '\t';
            out += result.name;
            out += '\n';
        }
    } else {
        out += "{\"command\":";
        appendJsonString(out, command);
        if (!formula.empty()) {
            out += ",\"formula\":";
            appendJsonString(out, formula);
        }
        out += ",\"results\":[";
        for (const NamedText& result : results) {
            out += &result == &results.front() ? "{\"name\":" : ",{\"name\":";
            appendJsonString(out, result.name);
            out += ",\"value\":";
            appendJsonString(out, result.text);
            out += '}';
        }
        out += ']';
        for (const Remark& remark : remarks) {
            out += ',';
            appendJsonString(out, remark.kind);
            out += ':';
            appendJsonString(out, remark.text);
        }
        out += "}\n";
    }
    // A failure to write shows when the program ends.
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    for (const Remark& remark : remarks) {
        // Both are notes on the result, as the windows show them under it.
        const std::string line = "note: " + std::string(remark.text) + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
    }
}

std::string inputFaultMessage(const Task& task, const InputFault& fault, std::string_view text,
                              bool userLocale) {
    // A wind direction is the command's only argument.
    std::string message =
        (task.windDirection ? task.command + ":" : std::string(inputOption(fault.input).option)) +
        " " + inQuotes(text) + " " + std::string(task.ruleText(fault.rule));
    if (fault.rule == Rule::Number && !userLocale && !task.windDirection &&
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
    const Outcome<Results> outcome = compute(task, readings, locale);
    if (const auto* fault = std::get_if<InputFault>(&outcome)) {
        complain(inputFaultMessage(task, *fault, readings.text(fault->input), userLocale));
        return kUsageError;
    }
    if (std::holds_alternative<ComputationFault>(outcome)) {
        complain(task.command +
                 ": no result for these inputs: the computation leaves the range of numbers "
                 "or the domain of its formula");
        return kComputationFault;
    }
    const Results& results = std::get<Results>(outcome);
    const std::vector<std::string_view> names = task.outputNames();
    std::vector<NamedText> named;
    for (std::size_t i = 0; i < names.size(); ++i) {
        named.push_back({names[i], results.texts[i]});
    }
    std::vector<Remark> remarks;
    if (results.note) {
        remarks.push_back({"note", noteText(*results.note)});
    }
    if (results.risk) {
        remarks.push_back({"risk", riskText(*results.risk)});
    }
    const std::string formula =
        task.calculation != nullptr ? formulaName(methodInfo(task.method).references) : "";
    print(task.command, formula, named, remarks, format);
    return kSuccess;
}

}  // namespace nimbaro::cli
