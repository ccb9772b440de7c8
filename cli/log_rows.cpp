#include "log_rows.h"

#include <algorithm>
#include <array>

#include "diagnostics.h"
#include "json.h"
#include "number_text.h"
#include "result_json.h"
#include "text_match.h"

namespace nimbaro::cli {
namespace {

// Room for every result cell of a calculation: a delimiter and a result text each.
constexpr std::size_t kNumberCellsRoom = kMaxOutputs * (1 + kResultTextRoom);

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
    std::size_t columns = 0;
    for (const LogPart& part : setup.parts) {
        columns += part.task->columnCount();
    }
    if (!setup.jsonLines) {
        return columns * kResultCellBytes;
    }
    std::size_t bytes = columns * kResultObjectBytes;
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
      splitter_(setup.delimiter),
      readings_(setup.readLocale),
      results_(setup.parts.size()),
      faults_(setup.parts.size()),
      aheadNumbers_(setup.parts.size()),
      aheadOutcomes_(setup.parts.size()) {
    // A calculation's results are numbers written in the cell locale, which groups no digits:
    // where its signs hold nothing that needs quotes, neither does any result cell.
    const auto needsNoQuotes = [&](std::string_view sign) {
        return sign.find_first_of(std::string{setup.delimiter, '"', '\r', '\n', ' '}) ==
               std::string_view::npos;
    };
    const bool plainNumbers = needsNoQuotes(setup.cellLocale.minusSign) &&
                              needsNoQuotes(setup.cellLocale.decimalSeparator);
    for (const LogPart& part : setup.parts) {
        cellCounts_.push_back(part.task->columnCount());
        plainResultCells_.push_back(plainNumbers && part.task->calculation() != nullptr);
    }
    // A row is read ahead by its columns, one for each input, each read as a number: as the
    // checks read it where each column's input has the check of a number.
    computesAhead_ = std::all_of(setup.parts.begin(), setup.parts.end(), [](const LogPart& part) {
        const CalculationTask* task = part.task->calculation();
        if (task == nullptr) {
            return false;
        }
        const MethodInfo& info = methodInfo(task->method);
        const auto readAsNumber = [&](Input input) {
            return std::any_of(info.checks.begin(), info.checks.end(), [&](const Check& check) {
                return check.input == input && check.rule == Rule::Number;
            });
        };
        return std::all_of(part.columns.begin(), part.columns.end(),
                           [&](const Column& column) { return readAsNumber(column.input); });
    });
    // Each cell read ahead once, however many parts read it.
    for (const LogPart& part : setup.parts) {
        std::vector<std::size_t>& cells = aheadCellOf_.emplace_back();
        for (const Column& column : part.columns) {
            const AheadCell wanted{&column, column.input == Input::Humidity};
            const auto same =
                std::find_if(aheadCells_.begin(), aheadCells_.end(), [&](const AheadCell& cell) {
                    return cell.percentSign == wanted.percentSign &&
                           cell.column->constant == column.constant &&
                           (column.constant ? cell.column->name == column.name
                                            : cell.column->index == column.index);
                });
            cells.push_back(static_cast<std::size_t>(same - aheadCells_.begin()));
            if (same == aheadCells_.end()) {
                aheadCells_.push_back(wanted);
            }
        }
    }
    aheadCellNumbers_.resize(aheadCells_.size());
    outputBytesPerRow_ = outputBytesPerRow(setup);
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
    // Room for every record and its results at once: growing would copy the block again.
    block.output.reserve(block.bytes.size() + block.records.size() * outputBytesPerRow_);
    std::uint64_t nextLine = block.firstLine;
    const std::string_view bytes = block.bytes;
    const std::span<const RecordSpan> records = block.records;
    for (std::size_t first = 0; first < records.size(); first += kAheadRows) {
        const std::span<const RecordSpan> run =
            records.subspan(first, std::min(kAheadRows, records.size() - first));
        computeAhead(bytes, run);
        std::size_t ahead = 0;
        for (std::size_t i = 0; i < run.size(); ++i) {
            const RecordSpan& record = run[i];
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
            const bool computedAhead = ahead < aheadRecords_.size() && aheadRecords_[ahead] == i;
            const std::size_t element = computedAhead ? ahead++ : 0;
            const std::uint64_t line = nextLine;
            nextLine += (record.quoted ? lineBreaksIn(body) : 0) + (terminator.empty() ? 0 : 1);
            // A blank line holds no reading: it stays as it is, and is no row.
            std::optional<std::string> fault;
            if (!body.empty()) {
                ++tally.rows;
                if (record.unclosedQuote) {
                    fault =
                        "a quote opens a field and is never closed; the row ends at this line's "
                        "end";
                    rowFault_ = true;
                    std::fill(faults_.begin(), faults_.end(), fault);
                } else if (!computedAhead || !takeAhead(element)) {
                    fault = computeRow(body);
                }
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
            }
            for (std::size_t part = 0; part < setup_.parts.size() && !body.empty(); ++part) {
                if (!faults_[part]) {
                    for (const NoteKind& kind : results_[part].noteKinds) {
                        ++tally.notes[{part, kind}];
                    }
                }
            }
            if (setup_.jsonLines) {
                appendJsonRecord(block.output, line, body, fault);
            } else {
                appendCsvRecord(block.output, body, terminator);
            }
        }
    }
}

void RowWorker::computeAhead(std::string_view bytes, std::span<const RecordSpan> records) {
    aheadRecords_.clear();
    for (std::vector<InputNumbers>& numbers : aheadNumbers_) {
        numbers.clear();
    }
    if (!computesAhead_) {
        return;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        const RecordSpan& record = records[i];
        if (record.lineFeedOfCrLf || record.unclosedQuote || record.bodyLength == 0) {
            continue;
        }
        const std::vector<std::string_view>& fields =
            splitter_.split(bytes.substr(record.begin, record.bodyLength));
        if (fields.size() == setup_.headerFields && readAhead(fields)) {
            aheadRecords_.push_back(i);
        }
    }
    for (std::size_t part = 0; part < setup_.parts.size(); ++part) {
        const CalculationTask& task = *setup_.parts[part].task->calculation();
        aheadOutcomes_[part].resize(aheadRecords_.size());
        calculate(task.method, aheadNumbers_[part], task.units, aheadOutcomes_[part]);
    }
}

bool RowWorker::readAhead(const std::vector<std::string_view>& fields) {
    for (std::size_t i = 0; i < aheadCells_.size(); ++i) {
        const Column& column = *aheadCells_[i].column;
        const std::string_view cell = column.constant ? column.name : fields[column.index];
        if (!column.constant && !setup_.missing.empty() && isMissing(cell)) {
            return false;
        }
        if (!parseNumber(aheadCells_[i].percentSign ? withoutPercentSign(cell) : cell,
                         setup_.readLocale, aheadCellNumbers_[i])) {
            return false;
        }
    }
    for (std::size_t part = 0; part < setup_.parts.size(); ++part) {
        InputNumbers& numbers = aheadNumbers_[part].emplace_back();
        const std::vector<Column>& columns = setup_.parts[part].columns;
        for (std::size_t k = 0; k < columns.size(); ++k) {
            numbers.set(columns[k].input, aheadCellNumbers_[aheadCellOf_[part][k]]);
        }
    }
    return true;
}

bool RowWorker::takeAhead(std::size_t element) {
    for (const std::vector<Outcome<Calculated>>& outcomes : aheadOutcomes_) {
        if (!std::holds_alternative<Calculated>(outcomes[element])) {
            return false;
        }
    }
    for (std::size_t part = 0; part < setup_.parts.size(); ++part) {
        const Task& task = *setup_.parts[part].task;
        calculatedResults(task, std::get<Calculated>(aheadOutcomes_[part][element]),
                          setup_.cellLocale, results_[part], task.noteColumns || setup_.jsonLines,
                          setup_.jsonLines || !plainResultCells_[part]);
        faults_[part].reset();
    }
    rowFault_ = false;
    return true;
}

void RowWorker::appendCsvRecord(std::string& out, std::string_view body,
                                std::string_view terminator) {
    out += body;
    for (std::size_t part = 0; part < setup_.parts.size() && !body.empty(); ++part) {
        const std::size_t cells = cellCounts_[part];
        const Results& results = results_[part];
        std::size_t written = 0;
        const auto put = [&](std::string_view cell, bool mayNeedQuotes = true) {
            if (written++ < cells) {
                out += setup_.delimiter;
                if (mayNeedQuotes) {
                    appendField(out, cell, setup_.delimiter);
                } else {
                    out += cell;
                }
            }
        };
        // A calculation's numbers in the cell locale need no quotes: written straight from the
        // values into one piece, appended at once, as appending each short text on its own
        // costs a call each.
        const auto putNumbers = [&] {
            const int decimals = setup_.parts[part].task->calculation()->calculation->decimals;
            std::array<char, kNumberCellsRoom> texts;
            char* at = texts.data();
            for (const double value : results.values) {
                if (written++ < cells) {
                    *at++ = setup_.delimiter;
                    if (char* end = writeResultText(at, value, decimals, setup_.cellLocale)) {
                        at = end;
                    } else {
                        out.append(texts.data(), at);
                        at = texts.data();
                        out += resultText(value, decimals, setup_.cellLocale);
                    }
                }
            }
            out.append(texts.data(), at);
        };
        if (!faults_[part] && plainResultCells_[part]) {
            putNumbers();
        } else if (!faults_[part]) {
            for (const std::string& text : results.texts) {
                put(text);
            }
        }
        if (!faults_[part]) {
            if (written < cells) {
                put(oneLine(results.notes));
            }
            if (written < cells) {
                put(results.risk ? riskName(*results.risk) : std::string_view());
            }
        }
        while (written < cells) {
            put({}, false);
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
    if (setup_.parts.size() == 1 || rowFault_) {
        if (fault) {
            out += ",\"error\":";
            appendJsonString(out, *fault);
        } else if (!body.empty()) {
            appendJsonResults(out, *setup_.parts.front().task, results_.front());
        }
    } else if (!body.empty()) {
        out += ",\"calculations\":[";
        for (std::size_t part = 0; part < setup_.parts.size(); ++part) {
            out += part == 0 ? "{\"calculation\":" : ",{\"calculation\":";
            appendJsonString(out, setup_.parts[part].task->command);
            if (faults_[part]) {
                out += ",\"error\":";
                appendJsonString(out, *faults_[part]);
            } else {
                appendJsonResults(out, *setup_.parts[part].task, results_[part]);
            }
            out += '}';
        }
        out += ']';
    }
    out += "}\n";
}

std::optional<std::string> RowWorker::computeRow(std::string_view body) {
    const std::vector<std::string_view>& fields = splitter_.split(body);
    rowFault_ = fields.size() != setup_.headerFields;
    if (rowFault_) {
        std::optional<std::string> reason;
        for (const LogPart& part : setup_.parts) {
            for (const Column& column : part.columns) {
                if (!reason && !column.constant && column.index >= fields.size()) {
                    reason = columnText(column) + ": missing, the row has " +
                             std::to_string(fields.size()) + " fields";
                }
            }
        }
        if (!reason) {
            reason = "the row has " + std::to_string(fields.size()) +
                     " fields where the header has " + std::to_string(setup_.headerFields);
        }
        std::fill(faults_.begin(), faults_.end(), reason);
        return reason;
    }
    bool allAlike = true;
    for (std::size_t part = 0; part < setup_.parts.size(); ++part) {
        faults_[part] = computePart(part, fields);
        allAlike = allAlike && faults_[part] == faults_.front();
    }
    // A reason every part has (the cell they all read) is said once; else each names its
    // calculation.
    if (allAlike) {
        return faults_.front();
    }
    std::optional<std::string> reason;
    for (std::size_t part = 0; part < setup_.parts.size(); ++part) {
        if (faults_[part]) {
            const std::string named = setup_.parts[part].task->command + ": " + *faults_[part];
            reason = reason ? *reason + "; " + named : named;
        }
    }
    return reason;
}

std::optional<std::string> RowWorker::computePart(std::size_t part,
                                                  const std::vector<std::string_view>& fields) {
    const Task& task = *setup_.parts[part].task;
    const std::vector<Column>& columns = setup_.parts[part].columns;
    for (const Column& column : columns) {
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
    // The notes' texts go into a note column or a JSON record; a summary counts their kinds.
    const std::optional<Fault> fault = compute(task, readings_, setup_.cellLocale, results_[part],
                                               task.noteColumns || setup_.jsonLines);
    if (!fault) {
        return std::nullopt;
    }
    if (const auto* inputFault = std::get_if<InputFault>(&*fault)) {
        const std::string_view text = readings_.text(inputFault->input);
        for (const Column& column : columns) {
            if (column.input == inputFault->input) {
                return columnText(column) + ": " +
                       (text.empty() ? std::string("empty")
                                     : inQuotes(text) + " " +
                                           task.faultText(*inputFault, text, setup_.readLocale));
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
