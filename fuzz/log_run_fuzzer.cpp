// Any bytes as a log through the whole log run (reader, threads and writer) in blocks of a few
// bytes to a few KiB, read in pieces of any size from a pipe, a live log or a file: every record
// comes out exactly as it went in, in its place, followed by its result cells, each under its
// title (a row with more or fewer fields than the header has none); a row without results is
// counted; and the output and the counts are those of the same run over the whole log in one
// block on one thread. The records and fields are found here by a plain reader of its own.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "log_run.h"
#include "reference_numbers.h"

namespace nimbaro::fuzz {
namespace {

constexpr std::string_view kDelimiters = ",;\t|";
constexpr std::size_t kResultColumns = 3;  // the dew point in three units

struct Record {
    std::string_view body;
    std::string_view terminator;
    bool unclosedQuote = false;
};

std::size_t terminatorAt(std::string_view text, std::size_t at) {
    return text.substr(at).starts_with("\r\n") ? 2 : 1;
}

// The records as the log's rules define them, read in one pass over the whole text.
std::vector<Record> referenceRecords(std::string_view text, char delimiter) {
    std::vector<Record> records;
    std::size_t start = 0;
    std::size_t at = 0;
    bool fieldStart = true;
    const auto end = [&](std::size_t bodyEnd, std::size_t terminator, bool unclosed) {
        records.push_back(
            {text.substr(start, bodyEnd - start), text.substr(bodyEnd, terminator), unclosed});
        start = at = bodyEnd + terminator;
        fieldStart = true;
    };
    while (start < text.size()) {
        if (at == text.size()) {
            end(at, 0, false);
        } else if (fieldStart && text[at] == '"') {
            std::size_t close = at + 1;
            while (close < text.size() &&
                   (text[close] != '"' || text.substr(close).starts_with("\"\""))) {
                close += text[close] == '"' ? 2 : 1;
            }
            if (close >= text.size()) {
                const std::size_t lineEnd = text.find_first_of("\r\n", at);
                if (lineEnd == std::string_view::npos) {
                    at = text.size();
                    end(at, 0, true);
                } else {
                    end(lineEnd, terminatorAt(text, lineEnd), true);
                }
            } else {
                at = close + 1;
                fieldStart = false;
            }
        } else if (text[at] == '\n' || text[at] == '\r') {
            end(at, terminatorAt(text, at), false);
        } else {
            fieldStart = text[at] == delimiter;
            ++at;
        }
    }
    return records;
}

// The number of fields of a record whose quotes are closed.
std::size_t fieldCount(std::string_view body, char delimiter) {
    std::size_t fields = 1;
    std::size_t at = 0;
    while (at < body.size()) {
        if (body[at] == '"') {
            for (++at; at < body.size(); at += 2) {
                at = std::min(body.find('"', at), body.size());
                if (!body.substr(at).starts_with("\"\"")) {
                    break;
                }
            }
            ++at;
        }
        at = body.find(delimiter, at);
        if (at == std::string_view::npos) {
            break;
        }
        ++fields;
        ++at;
    }
    return fields;
}

std::uint64_t linesIn(const Record& record) {
    std::uint64_t lines = record.terminator.empty() ? 0 : 1;
    for (std::size_t at = 0; at < record.body.size(); ++at) {
        lines += record.body[at] == '\n' ||
                 (record.body[at] == '\r' && !record.body.substr(at).starts_with("\r\n"));
    }
    return lines;
}

// The log in pieces whose sizes cycle through `pieces`; live, it has bytes at hand only at
// the start of a piece; a file, it can go back to read again.
class PieceSource : public cli::ByteSource {
  public:
    PieceSource(std::string_view bytes, std::vector<std::size_t> pieces, bool live, bool file)
        : bytes_(bytes), pieces_(std::move(pieces)), live_(live), file_(file) {}

    std::size_t read(char* into, std::size_t size) override {
        if (interrupted_) {
            throw cli::ReadingStopped{};
        }
        const std::size_t count =
            std::min({size, bytes_.size() - at_, pieces_[turn_++ % pieces_.size()]});
        std::copy_n(bytes_.data() + at_, count, into);
        at_ += count;
        return count;
    }
    bool live() const override { return live_; }
    bool moreAtHand() override { return turn_ % 2 == 0; }
    void interrupt() override { interrupted_ = true; }
    std::optional<std::uint64_t> position() override {
        return file_ ? std::optional<std::uint64_t>(at_) : std::nullopt;
    }
    void rewind(std::uint64_t position) override { at_ = static_cast<std::size_t>(position); }

  private:
    std::string_view bytes_;
    std::vector<std::size_t> pieces_;
    bool live_;
    bool file_;
    std::size_t at_ = 0;
    std::size_t turn_ = 0;
    bool interrupted_ = false;
};

class TextSink : public cli::ByteSink {
  public:
    void write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

struct Run {
    bool failed = false;  // a log without a usable header
    std::string output;
    cli::RowTally tally;
};

Run runLog(const cli::LogOptions& options, cli::ByteSource& source, const cli::LogShape& shape) {
    cli::Task task;
    task.command = "dew-point";
    cli::CalculationTask& dewPoint = task.what.emplace<cli::CalculationTask>();
    dewPoint.calculation = &calculationInfo(Calculation::DewPoint);
    dewPoint.method = Method::DewPointFromHumidity;
    task.noteColumns = false;
    cli::InputTexts columns;
    columns[static_cast<std::size_t>(Input::AirTemperature)] = "1";
    columns[static_cast<std::size_t>(Input::Humidity)] = "2";
    TextSink sink;
    Run run;
    try {
        run.tally =
            cli::processLog(task, columns, plainNumberLocale(), options, source, sink, shape);
    } catch (const cli::Failure&) {
        run.failed = true;
    }
    run.output = std::move(sink.text);
    return run;
}

// The result cells after a record: the delimiter and a number, or nothing, each.
bool takeResultCells(std::string_view& output, char delimiter, bool& empty) {
    empty = true;
    for (std::size_t i = 0; i < kResultColumns; ++i) {
        if (!output.starts_with(delimiter)) {
            return false;
        }
        output.remove_prefix(1);
        const std::size_t length =
            std::min(output.find_first_not_of("0123456789.-"), output.size());
        empty = empty && length == 0;
        output.remove_prefix(length);
    }
    return true;
}

void checkRun(std::string_view log, const std::vector<Record>& records, const Run& run,
              char delimiter) {
    if (records.empty() || records.front().unclosedQuote) {
        require(run.failed, "a log without a header is refused", log);
        return;
    }
    if (run.failed) {
        return;  // the header names no second column
    }
    const Record& header = records.front();
    const std::size_t headerFields = fieldCount(header.body, delimiter);
    std::string_view output = run.output;
    require(output.starts_with(header.body), "the header comes first", log);
    const std::size_t headerEnd = header.terminator.empty()
                                      ? output.size()
                                      : output.find(header.terminator, header.body.size());
    require(headerEnd != std::string_view::npos, "the header keeps its line end", log);
    output.remove_prefix(std::min(output.size(), headerEnd + header.terminator.size()));

    std::uint64_t line = 1 + linesIn(header);
    std::uint64_t rows = 0;
    std::uint64_t badRows = 0;
    std::uint64_t firstBadLine = 0;
    bool stopped = false;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const Record& record = records[i];
        rows += record.body.empty() ? 0 : 1;
        // Under --strict the output ends before the first record without results.
        if (output.empty() && run.tally.stopped) {
            stopped = true;
            firstBadLine = badRows++ == 0 ? line : firstBadLine;
            break;
        }
        require(output.starts_with(record.body), "every record comes out as it went in", log);
        output.remove_prefix(record.body.size());
        bool empty = false;
        if (!record.body.empty()) {
            require(takeResultCells(output, delimiter, empty),
                    "every record is followed by its result cells", log);
            require(!record.unclosedQuote || empty,
                    "a record with an unclosed quote has no results", log);
            require(empty || fieldCount(record.body, delimiter) == headerFields,
                    "every result cell sits under its title", log);
        }
        if (empty) {
            firstBadLine = badRows++ == 0 ? line : firstBadLine;
        }
        require(output.starts_with(record.terminator), "every record keeps its line end", log);
        output.remove_prefix(record.terminator.size());
        line += linesIn(record);
    }
    require(output.empty(), "nothing is invented after the last record", log);
    require(run.tally.stopped == stopped, "a run stops only at a bad row", log);
    require(run.tally.rows == rows, "every row is counted", log);
    require(run.tally.badRows == badRows, "every row without results is counted", log);
    require(badRows == 0 || run.tally.firstBadRows.front().line == firstBadLine,
            "a bad row is reported on its line", log);
}

}  // namespace
}  // namespace nimbaro::fuzz

// The first bytes choose the delimiter, the block size, the sizes of the pieces the log is read
// in, the number of workers, whether the log is live or a file and whether the run stops at the
// first bad row; the rest is the log.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nimbaro;
    using namespace nimbaro::fuzz;
    if (size < 4) {
        return 0;
    }
    const char chosen = static_cast<char>(data[0]);
    const char delimiter = kDelimiters.find(chosen) != std::string_view::npos ? chosen : ',';
    const std::size_t blockSize = std::size_t{1} << (data[1] % 13);
    const std::vector<std::size_t> pieces = {std::size_t{1} + data[2] % 16,
                                             std::size_t{1} + data[2] / 16 * 97};
    const std::size_t workers = 1 + data[3] % 3;
    const bool live = (data[3] & 4) != 0;
    const bool strict = (data[3] & 8) != 0;
    const bool file = !live && (data[3] & 16) != 0;
    const std::string_view log(reinterpret_cast<const char*>(data) + 4, size - 4);

    cli::LogOptions options;
    options.input = "log";
    options.delimiter = delimiter;
    options.strict = strict;

    PieceSource source(log, pieces, live, file);
    const Run run = runLog(options, source, {workers, blockSize});
    PieceSource whole(log, {log.size() + 1}, false, false);
    const Run reference = runLog(options, whole, {1, log.size() + 1});
    require(run.failed == reference.failed && run.output == reference.output,
            "the output does not depend on blocks, pieces or threads", log);
    require(run.tally.rows == reference.tally.rows &&
                run.tally.badRows == reference.tally.badRows &&
                run.tally.stopped == reference.tally.stopped,
            "the counts do not depend on blocks, pieces or threads", log);
    checkRun(log, referenceRecords(log, delimiter), run, delimiter);
    return 0;
}
