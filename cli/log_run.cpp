#include "log_run.h"

#include <algorithm>
#include <cstdio>
#include <thread>

#include "block_pipeline.h"
#include "diagnostics.h"
#include "file_source.h"
#include "number_locales.h"
#include "number_text.h"
#include "output_file.h"
#include "progress.h"
#include "record_reader.h"

namespace nimbaro::cli {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

void report(const RowTally& tally, std::span<const LogTask> tasks, bool jsonLines) {
    if (tally.stopped) {
        const BadRow& row = tally.firstBadRows.front();
        complain("line " + std::to_string(row.line) + ": " + row.reason +
                 "; stopped there (--strict)");
        return;
    }
    std::string lines;
    for (const auto& [note, count] : tally.notes) {
        // With several tasks each note names its calculation.
        const std::string task = tasks.size() == 1 ? "" : tasks[note.first].task->command + ": ";
        lines += "nimbaro-calc: note: " + std::to_string(count) + " of " +
                 std::to_string(tally.rows) + " rows: " + task + noteSummary(note.second) + "\n";
    }
    if (tally.badRows > 0) {
        lines += "nimbaro-calc: no results for " + std::to_string(tally.badRows) + " of " +
                 std::to_string(tally.rows) +
                 (jsonLines ? " rows; each has an \"error\" member:\n"
                            : " rows; their result cells are empty:\n");
        for (const BadRow& row : tally.firstBadRows) {
            lines += "  line " + std::to_string(row.line) + ": " + row.reason + "\n";
        }
        if (tally.badRows > tally.firstBadRows.size()) {
            lines += "  and " + std::to_string(tally.badRows - tally.firstBadRows.size()) +
                     " more rows\n";
        }
    }
    std::fwrite(lines.data(), 1, lines.size(), stderr);
}

}  // namespace

RowTally processLog(std::span<const LogTask> tasks, const NumberLocale& locale,
                    const LogOptions& options, ByteSource& source, ByteSink& sink,
                    const LogShape& shape,
                    const std::function<void(std::uint64_t, std::uint64_t)>& progress) {
    const std::string inputName = options.input == "-" ? "standard input" : options.input;
    // "20,5" would be two fields: such logs separate fields by semicolons.
    if (locale.decimalSeparator == std::string(1, options.delimiter)) {
        throw usageError("--locale: the decimal separator here is " +
                         inQuotes(locale.decimalSeparator) +
                         ", which cannot also separate the log's fields; give the log's "
                         "delimiter, --delimiter ';' where numbers have decimal commas");
    }
    RecordReader reader(source, options.delimiter, shape.blockSize);
    RecordBlock first;
    if (!reader.next(first)) {
        throw usageError(inputName + ": the log is empty; its first line must name the columns");
    }
    const RecordSpan header = first.records.front();
    if (header.unclosedQuote) {
        throw usageError(inputName +
                         ": a quote in the header line opens a column name and is never closed");
    }
    const std::string_view bytes = first.bytes;
    const std::string_view headerBody = bytes.substr(header.begin, header.bodyLength);
    std::vector<LogPart> parts;
    for (const LogTask& task : tasks) {
        parts.push_back(
            {task.task, findColumns(*task.task, task.columnNames, headerBody, options.delimiter)});
    }
    const RowSetup setup{
        .parts = std::move(parts),
        .readLocale = locale,
        .cellLocale = withoutGroups(locale),
        .delimiter = options.delimiter,
        .headerFields = FieldSplitter(options.delimiter).split(headerBody).size(),
        .strict = options.strict,
        .missing = missingMarks(options.missing, locale),
        .jsonLines = options.jsonLines,
        .fieldKeys = options.jsonLines ? FieldKeys(headerBody, options.delimiter) : FieldKeys(),
    };
    // A constant is read once, before any row, as every row would read it.
    for (const LogPart& part : setup.parts) {
        const Task& task = *part.task;
        for (const Column& column : part.columns) {
            if (!column.constant || task.isWindDirection()) {
                continue;
            }
            if (const std::optional<Rule> rule =
                    task.brokenRule(column.input, column.name, locale)) {
                throw usageError(std::string(inputOption(column.input).option) + " " +
                                 inQuotes(column.name) + " " +
                                 task.faultText({column.input, *rule}, column.name, locale));
            }
        }
    }
    if (!options.headerlessOutput && !options.jsonLines) {
        sink.write(resultHeader(
            headerBody, bytes.substr(header.begin + header.bodyLength, header.terminatorLength),
            setup.parts, options.delimiter));
    }
    reader.raiseRecordCost(outputBytesPerRow(setup));

    RowTally tally;
    std::uint64_t bytesDone = header.end();
    const auto deliver = [&](LogBlock& block) {
        sink.write(block.output);
        // Later blocks allow for results as long as these.
        if (!block.records.empty()) {
            reader.raiseRecordCost(
                (block.output.size() - std::min(block.output.size(), block.bytes.size())) /
                block.records.size());
        }
        bytesDone += block.bytes.size();
        tally.add(std::move(block.tally));
        if (progress) {
            progress(tally.rows, bytesDone);
        }
        return !tally.stopped;
    };
    BlockPipeline<LogBlock> pipeline(
        shape.workers,
        [&] {
            return [worker = std::make_shared<RowWorker>(setup)](LogBlock& block) {
                worker->process(block);
            };
        },
        deliver, [&] { source.interrupt(); });
    // Lines are numbered from 1, the header's first.
    std::uint64_t nextLine = options.firstLine.value_or(2 + lineBreaksIn(headerBody));
    try {
        for (LogBlock* slot = pipeline.freeSlot(); slot != nullptr && reader.next(*slot);
             slot = pipeline.freeSlot()) {
            slot->firstLine = nextLine;
            nextLine += linesEnded(*slot);
            pipeline.submit();
        }
    } catch (const ReadingStopped&) {
        // Delivery stopped; finish() says why.
    }
    pipeline.finish();
    return tally;
}

RowTally processLog(const Task& task, const InputTexts& columnNames, const NumberLocale& locale,
                    const LogOptions& options, ByteSource& source, ByteSink& sink,
                    const LogShape& shape,
                    const std::function<void(std::uint64_t, std::uint64_t)>& progress) {
    const LogTask only{&task, columnNames};
    return processLog(std::span(&only, 1), locale, options, source, sink, shape, progress);
}

int runLog(std::span<const LogTask> tasks, const NumberLocale& locale, const LogOptions& options) {
    FileSource source(options.input);
    Output output(options.output, source.status());
    Progress progressBar(options.quiet ? std::nullopt : source.size());
    const LogShape shape{std::max(1U, std::thread::hardware_concurrency()), kBlockSize};
    const RowTally tally = processLog(
        tasks, locale, options, source, output, shape,
        [&](std::uint64_t rows, std::uint64_t bytes) { progressBar.update(rows, bytes); });
    progressBar.finish();
    report(tally, tasks, options.jsonLines);
    if (tally.stopped) {
        return kUsageError;
    }
    output.commit();
    return tally.badRows > 0 ? kBadRows : kSuccess;
}

}  // namespace nimbaro::cli
