#include "log_rows.h"

#include <algorithm>

#include "diagnostics.h"
#include "json.h"
#include "number_text.h"
#include "result_json.h"
#include "text_match.h"

namespace nimbaro::cli {
namespace {

// The notes of a row in its one cell.
std::string oneLine(const std::vector<std::string>& notes) {
    std::string line;
    for (const std::string& note : notes) {
        line += line.empty() ? "" : kNoteSeparator;
        line += note;
    }
    return line;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::vector<std::string> missingMarks(const std::vector<std::string>& options,
                                      const NumberLocale& locale) {
    const bool commasInNumbers = locale.decimalSeparator == "," || locale.groupSeparator == ",";
    std::vector<std::string> marks;
    for (const std::string& option : options) {
        if (commasInNumbers && option.find(',') != std::string::npos &&
            !parseNumber(option, locale)) {
            throw usageError("--missing " + inQuotes(option) +
                             ": with --locale here a comma belongs to numbers, so it cannot "
                             "separate values; give each value its own --missing");
        }
        const std::vector<std::string_view> values =
            commasInNumbers ? std::vector<std::string_view>{option} : commaSeparated(option);
        for (const std::string_view value : values) {
            if (!trimmed(value).empty()) {
                marks.emplace_back(trimmed(value));
            }
        }
    }
    return marks;
}

std::size_t outputBytesPerRow(const RowSetup& setup) {
    // A result cell of the usual size, and a result's JSON object, which holds its number, its
    // unit's id, name and symbol, and its text.
    constexpr std::size_t kResultCellBytes = 32;
    constexpr std::size_t kResultObjectBytes = 128;
    if (!setup.jsonLines) {
        return setup.task->columnCount() * kResultCellBytes;
    }
    std::size_t bytes = setup.task->columnCount() * kResultObjectBytes;
    for (std::size_t i = 0; i < setup.fieldKeys.size(); ++i) {
        bytes += setup.fieldKeys[i].size() + 8;
    }
    return bytes;
}

void RowTally::add(RowTally&& later) {
    for (BadRow& row : later.firstBadRows) {
        if (firstBadRows.size() < kReportedBadRows) {
            firstBadRows.push_back(std::move(row));
        }
    }
    rows += later.rows;
    badRows += later.badRows;
    for (const auto& [note, count] : later.notes) {
        notes[note] += count;
    }
    stopped = stopped || later.stopped;
}

RowWorker::RowWorker(const RowSetup& setup)
    : setup_(setup),
      outputCount_(setup.task->columnCount()),
      splitter_(setup.delimiter),
      readings_(setup.readLocale) {
    for (const std::string& value : setup.missing) {
        if (const std::optional<double> number = parseNumber(value, setup.readLocale)) {
            missingNumbers_.push_back(*number);
        }
    }
}

void RowWorker::process(LogBlock& block) {
    block.output.clear();
    block.tally = RowTally{};
    RowTally& tally = block.tally;
    block.output.reserve(block.bytes.size() * 2);
    std::uint64_t nextLine = block.firstLine;
    const std::string_view bytes = block.bytes;
    for (const RecordSpan& record : block.records) {
        const std::string_view body = bytes.substr(record.begin, record.bodyLength);
        const std::string_view terminator =
            bytes.substr(record.begin + record.bodyLength, record.terminatorLength);
        if (record.lineFeedOfCrLf) {
            // The rest of a line end whose CR went out with the row before.
            if (!setup_.jsonLines) {
                block.output += terminator;
            }
            continue;
        }
        const std::uint64_t line = nextLine;
        nextLine += lineBreaksIn(body) + (terminator.empty() ? 0 : 1);
        // A blank line holds no reading: it stays as it is, and is no row.
        std::optional<std::string> fault;
        if (!body.empty()) {
            ++tally.rows;
            fault = record.unclosedQuote ? std::optional<std::string>(
                                               "a quote opens a field and is never closed; the "
                                               "row ends at this line's end")
                                         : computeRow(body);
        }
        if (fault) {
            ++tally.badRows;
            if (tally.firstBadRows.size() < RowTally::kReportedBadRows) {
                tally.firstBadRows.push_back({line, *fault});
            }
            if (setup_.strict) {
                tally.stopped = true;
                return;
            }
        } else if (!body.empty()) {
            for (const NoteKind& kind : results_.noteKinds) {
                ++tally.notes[kind];
            }
        }
        if (setup_.jsonLines) {
            appendJsonRecord(block.output, line, body, fault);
        } else {
            appendCsvRecord(block.output, body, terminator, fault.has_value());
        }
    }
}

void RowWorker::appendCsvRecord(std::string& out, std::string_view body,
                                std::string_view terminator, bool failed) {
    out += body;
    if (!body.empty()) {
        std::size_t written = 0;
        const auto put = [&](std::string_view cell) {
            if (written++ < outputCount_) {
                out += setup_.delimiter;
                appendField(out, cell, setup_.delimiter);
            }
        };
        if (!failed) {
            for (const std::string& text : results_.texts) {
                put(text);
            }
            if (written < outputCount_) {
                put(oneLine(results_.notes));
            }
            if (written < outputCount_) {
                put(results_.risk ? riskName(*results_.risk) : std::string_view());
            }
        }
        while (written < outputCount_) {
            put({});
        }
    }
    out += terminator;
}

void RowWorker::appendJsonRecord(std::string& out, std::uint64_t line, std::string_view body,
                                 const std::optional<std::string>& fault) {
    out += "{\"line\":";
    out += std::to_string(line);
    out += ",\"fields\":{";
    if (!body.empty()) {
        const std::vector<std::string_view>& fields = splitter_.split(body);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            out += i == 0 ? "" : ",";
            if (i < setup_.fieldKeys.size()) {
                appendJsonString(out, setup_.fieldKeys[i]);
            } else {
                appendJsonString(out, setup_.fieldKeys.beyondHeader(i));
            }
            out += ':';
            appendJsonString(out, fields[i]);
        }
    }
    out += '}';
    if (fault) {
        out += ",\"error\":";
        appendJsonString(out, *fault);
    } else if (!body.empty()) {
        appendJsonResults(out, *setup_.task, results_);
    }
    out += "}\n";
}

std::optional<std::string> RowWorker::computeRow(std::string_view body) {
    const std::vector<std::string_view>& fields = splitter_.split(body);
    if (fields.size() != setup_.headerFields) {
        for (const Column& column : setup_.columns) {
            if (!column.constant && column.index >= fields.size()) {
                return columnText(column) + ": missing, the row has " +
                       std::to_string(fields.size()) + " fields";
            }
        }
        return "the row has " + std::to_string(fields.size()) + " fields where the header has " +
               std::to_string(setup_.headerFields);
    }
    for (const Column& column : setup_.columns) {
        if (column.constant) {
            readings_.set(column.input, column.name);
            continue;
        }
        const std::string_view cell = fields[column.index];
        if (isMissing(cell)) {
            return columnText(column) + ": " + inQuotes(cell) + " marks a missing reading";
        }
        readings_.set(column.input, cell);
    }
    const std::optional<Fault> fault =
        compute(*setup_.task, readings_, setup_.cellLocale, results_);
    if (!fault) {
        return std::nullopt;
    }
    if (const auto* inputFault = std::get_if<InputFault>(&*fault)) {
        const std::string_view text = readings_.text(inputFault->input);
        for (const Column& column : setup_.columns) {
            if (column.input == inputFault->input) {
                return columnText(column) + ": " +
                       (text.empty()
                            ? std::string("empty")
                            : inQuotes(text) + " " +
                                  setup_.task->faultText(*inputFault, text, setup_.readLocale));
            }
        }
    }
    return "no result: the computation leaves the range of numbers or the domain of its formula";
}

bool RowWorker::isMissing(std::string_view cell) const {
    if (setup_.missing.empty()) {
        return false;
    }
    const std::string_view text = trimmed(cell);
    if (std::find(setup_.missing.begin(), setup_.missing.end(), text) != setup_.missing.end()) {
        return true;
    }
    if (missingNumbers_.empty()) {
        return false;
    }
    const std::optional<double> number = parseNumber(text, setup_.readLocale);
    return number && std::find(missingNumbers_.begin(), missingNumbers_.end(), *number) !=
                         missingNumbers_.end();
}

std::string RowWorker::columnText(const Column& column) const {
    return (column.constant ? "constant " : "column ") + inQuotes(column.name) + " (" +
           std::string(inputOption(column.input).option) + ")";
}

}  // namespace nimbaro::cli
