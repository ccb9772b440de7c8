#include "result_json.h"

#include <cmath>

#include "json.h"
#include "number_text.h"

namespace nimbaro::cli {
namespace {

// "value":20, or null for what is no number; then the unit, if any.
void appendQuantity(std::string& out, double value, const Unit* unit) {
    out += "\"value\":";
    if (std::isfinite(value)) {
        appendJsonNumber(out, value);
    } else {
        out += "null";
    }
    if (unit != nullptr) {
        out += ",\"unit\":";
        appendJsonString(out, unit->id);
        out += ",\"name\":";
        appendJsonString(out, unit->name);
        out += ",\"symbol\":";
        appendJsonString(out, unit->symbol);
    }
}

}  // namespace

void appendJsonInputs(std::string& out, const Task& task, const Readings& readings) {
    out += ",\"inputs\":{";
    for (const Input input : task.inputs()) {
        if (input != task.inputs().front()) {
            out += ',';
        }
        appendJsonString(out, inputOption(input).option.substr(2));
        out += ":{\"text\":";
        const std::string_view text = readings.text(input);
        appendJsonString(out, text);
        out += ',';
        const std::optional<double> number = parseNumber(
            input == Input::Humidity ? withoutPercentSign(text) : text, readings.locale());
        appendQuantity(out, number.value_or(NAN), task.inputUnit(input));
        out += '}';
    }
    out += '}';
}

void appendJsonResults(std::string& out, const Task& task, const Results& results) {
    const std::vector<const Unit*> units = task.outputUnits();
    const std::vector<std::string> names = task.outputNames();
    out += ",\"results\":[";
    for (std::size_t i = 0; i < results.texts.size(); ++i) {
        out += i == 0 ? "{" : ",{";
        if (units[i] == nullptr) {
            out += "\"name\":";
            appendJsonString(out, names[i]);
            out += ',';
        }
        appendQuantity(out, results.values[i], units[i]);
        out += ",\"text\":";
        appendJsonString(out, results.texts[i]);
        out += '}';
    }
    out += ']';
    if (results.note) {
        out += ",\"note\":";
        // The range note comes first among the notes, worded as they are.
        appendJsonString(out, results.notes.front());
    }
    if (results.risk) {
        out += ",\"risk\":";
        appendJsonString(out, riskText(*results.risk));
    }
    if (!results.notes.empty()) {
        out += ",\"notes\":[";
        for (std::size_t i = 0; i < results.notes.size(); ++i) {
            out += i == 0 ? "" : ",";
            appendJsonString(out, results.notes[i]);
        }
        out += ']';
    }
}

}  // namespace nimbaro::cli
