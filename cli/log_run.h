#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "byte_streams.h"
#include "log_rows.h"
#include "number_locale.h"
#include "task.h"

namespace nimbaro::cli {

struct LogOptions {
    std::string input;   // "-" for standard input
    std::string output;  // empty for standard output
    char delimiter = ',';
    bool strict = false;            // stop at the first bad row
    bool quiet = false;             // no progress bar
    bool headerlessOutput = false;  // leave the header line out of the output
    bool jsonLines = false;         // one JSON object a record instead of CSV
    // The number of the line after the header, when the log is a part of a longer one.
    std::optional<std::uint64_t> firstLine;
    // The --missing options as given: cells that stand for a missing reading (missingMarks()).
    std::vector<std::string> missing;
};

// The largest line number --first-line takes, so that a log's line numbers never wrap round.
inline constexpr std::uint64_t kLastFirstLine = std::numeric_limits<std::int64_t>::max();

// How the work is spread: threads computing blocks, and the bytes of records in a block.
struct LogShape {
    std::size_t workers;
    std::size_t blockSize;
};

// One task of a log run, and the column (or constant) each of its inputs is read from.
struct LogTask {
    const Task* task;
    InputTexts columnNames;
};

// Reads a log from `source` and writes every record to `sink`, followed by the result cells of
// each task in turn, in the order read. Returns the tally of the rows, their lines counted in
// the whole log; throws Failure for a log without a usable header and for what the sink throws.
// `progress`, if given, hears of the rows and bytes done after every block.
RowTally processLog(
    std::span<const LogTask> tasks, const NumberLocale& locale, const LogOptions& options,
    ByteSource& source, ByteSink& sink, const LogShape& shape,
    const std::function<void(std::uint64_t rows, std::uint64_t bytes)>& progress = {});
// The same for one task.
RowTally processLog(
    const Task& task, const InputTexts& columnNames, const NumberLocale& locale,
    const LogOptions& options, ByteSource& source, ByteSink& sink, const LogShape& shape,
    const std::function<void(std::uint64_t rows, std::uint64_t bytes)>& progress = {});

// Runs the tasks on every row of a CSV log: each input option names a column. Every record is
// copied through with the result cells after it; a report of the rows without results and of
// the notes goes to standard error. Returns the exit status.
int runLog(std::span<const LogTask> tasks, const NumberLocale& locale, const LogOptions& options);

}  // namespace nimbaro::cli
