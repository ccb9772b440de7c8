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

void report(const RowTally& tally, bool jsonLines) {
    if (tally.stopped) {
        const BadRow& row = tally.firstBadRows.front();
        complain("line " + std::to_string(row.line) + ": " + row.reason +
                 "; stopped there (--strict)");
        return;
    }
    std::string lines;
    for (const auto& [note, count] : tally.notes) {
        lines += "nimbaro-calc: note: " + std::to_string(count) + " of " +
                 std::to_string(tally.rows) + " rows: " + noteSummary(note) + "\n";
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

RowTally processLog(const Task& task, const InputTexts& columnNames, const NumberLocale& locale,
                    const LogOptions& options, ByteSource& source, ByteSink& sink,
                    const LogShape& shape,
                    const std::function<void(std::uint64_t, std::uint64_t)>& progress) {
    RecordReader reader(source, options.delimiter, shape.blockSize);
    LogBlock first;
    if (!reader.next(first)) {
        throw usageError(options.input +
                         ": the log is empty; its first line must name the columns");
    }
    const RecordSpan header = first.records.front();
    if (header.unclosedQuote) {
        throw usageError(options.input +
                         ": a quote in the header line opens a column name and is never closed");
    }
    const std::string_view bytes = first.bytes;
    const std::string_view headerBody = bytes.substr(header.begin, header.bodyLength);
    const RowSetup setup{
        .task = &task,
        .columns = findColumns(task, columnNames, headerBody, options.delimiter),
        .readLocale = locale,
        .cellLocale = withoutGroups(locale),
        .delimiter = options.delimiter,
        .strict = options.strict,
        .missing = options.missing,
        .jsonLines = options.jsonLines,
        .fieldKeys = options.jsonLines ? fieldKeys(headerBody, options.delimiter)
                                       : std::vector<std::string>(),
    };
    // A constant is read once, before any row.
    for (const Column& column : setup.columns) {
        const std::string_view constant =
            column.input == Input::Humidity ? withoutPercentSign(column.name) : column.name;
        if (column.constant && !task.windDirection && !parseNumber(constant, locale)) {
            throw usageError(std::string(inputOption(column.input).option) + " " +
                             inQuotes(column.name) + " " +
                             std::string(task.ruleText(Rule::Number)));
        }
    }
    if (!options.headerlessOutput && !options.jsonLines) {
        sink.write(resultHeader(
            headerBody, bytes.substr(header.begin + header.bodyLength, header.terminatorLength),
            task, setup.columns, options.delimiter));
    }
    first.records.erase(first.records.begin());

    RowTally tally;
    std::uint64_t bytesDone = header.end();
    const auto deliver = [&](LogBlock& block) {
        sink.write(block.output);
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
    first.firstLine = options.firstLine.value_or(2 + lineBreaksIn(headerBody));
    std::uint64_t nextLine =
        first.firstLine + lineBreaksIn(std::string_view(first.bytes).substr(header.end()));
    // A live log may bring its header alone first.
    if (!first.records.empty()) {
        std::swap(*pipeline.freeSlot(), first);
        pipeline.submit();
    }
    try {
        for (LogBlock* slot = pipeline.freeSlot(); slot != nullptr && reader.next(*slot);
             slot = pipeline.freeSlot()) {
            slot->firstLine = nextLine;
            nextLine += lineBreaksIn(slot->bytes);
            pipeline.submit();
        }
    } catch (const ReadingStopped&) {
        // Delivery stopped; finish() says why.
    }
    pipeline.finish();
    return tally;
}

int runLog(const Task& task, const InputTexts& columnNames, const NumberLocale& locale,
           const LogOptions& options) {
    FileSource source(options.input);
    Output output(options.output);
    Progress progressBar(options.quiet ? std::nullopt : source.size());
    const LogShape shape{std::max(1U, std::thread::hardware_concurrency()), kBlockSize};
    const RowTally tally = processLog(
        task, columnNames, locale, options, source, output, shape,
        [&](std::uint64_t rows, std::uint64_t bytes) { progressBar.update(rows, bytes); });
    progressBar.finish();
    report(tally, options.jsonLines);
    if (tally.stopped) {
        return kUsageError;
    }
    output.commit();
    return tally.badRows > 0 ? kBadRows : kSuccess;
}

}  // namespace nimbaro::cli
