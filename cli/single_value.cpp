#include "single_value.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "number_text.h"
#include "wind_direction.h"

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

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    constexpr char kHex[] = "0123456789abcdef";
                    out += "\\u00";
                    out += kHex[(c >> 4) & 0xF];
                    out += kHex[c & 0xF];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

// The exit status: printing fails on a full disk or a closed output. JSON names the formula of
// a calculation (`formula`; empty for the others).
int print(std::string_view command, std::string_view formula, const std::vector<NamedText>& results,
          const std::vector<Remark>& remarks, Format format) {
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
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        complain(std::string("cannot write to standard output: ") + std::strerror(errno));
        return kUsageError;
    }
    for (const Remark& remark : remarks) {
        // Both are notes on the result, as the windows show them under it.
        const std::string line = "note: " + std::string(remark.text) + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
    }
    return kSuccess;
}

std::string inputFaultMessage(const InputFault& fault, std::string_view text,
                              const NumberLocale& locale) {
    std::string message = std::string(inputOption(fault.input).option) + " " + inQuotes(text) +
                          " " + std::string(ruleText(fault.rule));
    if (fault.rule == Rule::Number && locale.groupSeparator.empty() &&
        text.find(',') != std::string_view::npos) {
        message += " (write decimals with \".\" and no group separators, or use --locale)";
    }
    return message;
}

}  // namespace

int runSingle(const Task& task, const InputTexts& values, const NumberLocale& locale,
              Format format) {
    Readings readings(locale);
    for (const Input input : task.inputs()) {
        readings.set(input, values[static_cast<std::size_t>(input)]);
    }
    const Outcome<Results> outcome = compute(task, readings, locale);
    if (const auto* fault = std::get_if<InputFault>(&outcome)) {
        complain(inputFaultMessage(*fault, readings.text(fault->input), locale));
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
        task.quantity == nullptr ? formulaName(methodInfo(task.method).references) : "";
    return print(task.command, formula, named, remarks, format);
}

int runWindDirection(std::string_view typed, const NumberLocale& locale, Format format) {
    std::optional<std::size_t> point = findCompassPoint(typed);
    if (!point) {
        // As the degrees box does: the entry is taken for the whole number it shows.
        if (const std::optional<double> degrees = parseNumber(typed, locale)) {
            point =
                compassPointFor(parseNumber(wholeDegreesText(*degrees, locale), locale).value());
        }
    }
    if (!point) {
        complain("wind-direction: " + inQuotes(typed) +
                 " is neither a compass point nor a whole number of degrees from 0 to 360");
        return kUsageError;
    }
    const CompassPoint& compass = compassPoints()[*point];
    return print("wind-direction", {},
                 {{"Degrees from", boundText(compass.from, locale)},
                  {"Degrees to", boundText(compass.to, locale)},
                  {"Mid-point degrees", midPointText(*point, locale)},
                  {"Compass point", std::string(compass.abbreviation)},
                  {"Direction", std::string(compass.name)}},
                 {}, format);
}

}  // namespace nimbaro::cli
