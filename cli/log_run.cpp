#include "log_run.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "columns.h"
#include "csv.h"
#include "diagnostics.h"
#include "number_locales.h"
#include "output_file.h"
#include "progress.h"

namespace nimbaro::cli {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;
constexpr std::size_t kReportedBadRows = 20;

// Reads the log in blocks of whole records.
class BlockReader {
  public:
    explicit BlockReader(const std::string& path) : path_(path) {
        if (path != "-") {
            fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd_ < 0) {
                throw IoError("cannot read " + path + ": " + std::strerror(errno));
            }
        }
    }
    ~BlockReader() {
        if (fd_ != 0) {
            ::close(fd_);
        }
    }
    BlockReader(const BlockReader&) = delete;
    BlockReader& operator=(const BlockReader&) = delete;

    // The size of a regular file, for the progress bar; nothing for a pipe or a terminal.
    std::optional<std::uint64_t> fileSize() const {
        struct stat status {};
        if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(status.st_size);
    }

    // Replaces `block` with the next run of whole records, of about kBlockSize bytes; at the
    // end of the log, with the rest. False when nothing is left.
    bool next(std::string& block) {
        block.swap(rest_);
        rest_.clear();
        while (!atEnd_) {
            if (block.size() >= kBlockSize) {
                const std::size_t complete = completeRecordsLength(block);
                if (complete > 0) {
                    rest_.assign(block, complete);
                    block.resize(complete);
                    return true;
                }
            }
            readMore(block);
        }
        return !block.empty();
    }

  private:
    void readMore(std::string& block) {
        const std::size_t had = block.size();
        block.resize(had + kBlockSize);
        ssize_t count = 0;
        do {
            count = ::read(fd_, block.data() + had, kBlockSize);
        } while (count < 0 && errno == EINTR);
        if (count < 0) {
            throw IoError("cannot read " + (path_ == "-" ? "standard input" : path_) + ": " +
                          std::strerror(errno));
        }
        block.resize(had + static_cast<std::size_t>(count));
        atEnd_ = count == 0;
    }

    std::string path_;
    int fd_ = 0;
    std::string rest_;
    bool atEnd_ = false;
};

struct BadRow {
    std::uint64_t line;  // counted from the first line of its block
    std::string reason;
};

// A run of records as read, and what becomes of it.
struct Block {
    std::string input;
    std::string output;
    std::uint64_t lines = 0;  // line feeds in the input
    std::uint64_t rows = 0;
    std::uint64_t badRows = 0;
    std::vector<BadRow> firstBadRows;
    bool stopped = false;  // at a bad row, under --strict

    void clearResults() {
        output.clear();
        lines = rows = badRows = 0;
        firstBadRows.clear();
        stopped = false;
    }
};

// The column each input reads, and the name it was given by.
struct Column {
    Input input;
    std::size_t index;
    std::string name;
};

// Computes the results of every row of a block; one per worker thread, its buffers reused.
class RowWriter {
  public:
    RowWriter(const Task& task, const std::vector<Column>& columns, const NumberLocale& locale,
              const NumberLocale& cellLocale, const LogOptions& options)
        : task_(task),
          columns_(columns),
          cellLocale_(cellLocale),
          outputCount_(task.outputNames().size()),
          delimiter_(options.delimiter),
          strict_(options.strict),
          splitter_(options.delimiter),
          readings_(locale) {}

    void process(Block& block) {
        block.clearResults();
        block.output.reserve(block.input.size() * 2);
        std::string_view rest = block.input;
        while (!rest.empty()) {
            const Record record = takeRecord(rest);
            const std::uint64_t line = block.lines;
            block.lines += lineBreaksIn(record.body) + (record.terminator.empty() ? 0 : 1);
            ++block.rows;
            // A blank line holds no reading: it stays as it is.
            if (record.body.empty()) {
                block.output += record.terminator;
                continue;
            }
            const std::optional<std::string> fault = computeRow(record.body);
            if (fault) {
                ++block.badRows;
                if (block.firstBadRows.size() < kReportedBadRows) {
                    block.firstBadRows.push_back({line, *fault});
                }
                if (strict_) {
                    block.stopped = true;
                    return;
                }
                cells_.assign(outputCount_, std::string());
            }
            block.output += record.body;
            for (const std::string& cell : cells_) {
                block.output += delimiter_;
                appendField(block.output, cell, delimiter_);
            }
            block.output += record.terminator;
        }
    }

  private:
    // Fills cells_ with the row's results; the reason when it has none.
    std::optional<std::string> computeRow(std::string_view body) {
        const std::vector<std::string_view>& fields = splitter_.split(body);
        for (const Column& column : columns_) {
            if (column.index >= fields.size()) {
                return columnText(column) + ": missing, the row has " +
                       std::to_string(fields.size()) + " fields";
            }
            readings_.set(column.input, fields[column.index]);
        }
        Outcome<Results> outcome = compute(task_, readings_, cellLocale_);
        if (auto* results = std::get_if<Results>(&outcome)) {
            cells_.swap(results->texts);
            return std::nullopt;
        }
        if (const auto* fault = std::get_if<InputFault>(&outcome)) {
            const std::string_view text = readings_.text(fault->input);
            for (const Column& column : columns_) {
                if (column.input == fault->input) {
                    return columnText(column) + ": " +
                           (text.empty()
                                ? std::string("empty")
                                : inQuotes(text) + " " + std::string(ruleText(fault->rule)));
                }
            }
        }
        return "no result: the computation leaves the range of numbers or the domain of its "
               "formula";
    }

    static std::string columnText(const Column& column) {
        return "column " + inQuotes(column.name) + " (" +
               std::string(inputOption(column.input).option) + ")";
    }

    const Task& task_;
    const std::vector<Column>& columns_;
    const NumberLocale& cellLocale_;
    std::size_t outputCount_;
    char delimiter_;
    bool strict_;
    FieldSplitter splitter_;
    Readings readings_;
    std::vector<std::string> cells_;
};

// Blocks go round a ring of slots: the main thread reads into a free slot, a worker computes
// it, the main thread writes the slots out in the order they were read. The ring bounds the
// memory; the order of the output is the order of the input.
class Pipeline {
  public:
    Pipeline(std::size_t workers, const std::function<RowWriter()>& makeWriter)
        : slots_(2 * workers + 2) {
        for (std::size_t i = 0; i < workers; ++i) {
            threads_.emplace_back([this, writer = makeWriter()]() mutable { work(writer); });
        }
    }
    ~Pipeline() {
        {
            const std::lock_guard lock(mutex_);
            closing_ = true;
        }
        changed_.notify_all();
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }
    Pipeline(const Pipeline&) = delete;
    Pipeline& operator=(const Pipeline&) = delete;

    bool full() const { return read_ - written_ == slots_.size(); }
    bool empty() const { return read_ == written_; }

    // The free slot for the next block read; submit() hands it to the workers.
    Block& nextFree() { return slots_[read_ % slots_.size()].block; }
    void submit() {
        {
            const std::lock_guard lock(mutex_);
            slots_[read_ % slots_.size()].state = State::Ready;
            ++read_;
        }
        changed_.notify_all();
    }

    // The oldest block, once computed; release() frees its slot.
    Block& oldestDone() {
        Slot& slot = slots_[written_ % slots_.size()];
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return slot.state == State::Done; });
        return slot.block;
    }
    void release() {
        const std::lock_guard lock(mutex_);
        slots_[written_ % slots_.size()].state = State::Free;
        ++written_;
    }

  private:
    enum class State { Free, Ready, Working, Done };
    struct Slot {
        Block block;
        State state = State::Free;
    };

    void work(RowWriter& writer) {
        for (;;) {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return closing_ || taken_ < read_; });
            if (taken_ == read_) {
                return;
            }
            Slot& slot = slots_[taken_++ % slots_.size()];
            slot.state = State::Working;
            lock.unlock();
            writer.process(slot.block);
            lock.lock();
            slot.state = State::Done;
            lock.unlock();
            changed_.notify_all();
        }
    }

    std::vector<Slot> slots_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t read_ = 0;     // blocks handed to the workers
    std::size_t taken_ = 0;    // blocks a worker has taken
    std::size_t written_ = 0;  // blocks written out
    bool closing_ = false;
};

std::vector<Column> findColumns(const Task& task, const InputTexts& columns,
                                std::string_view headerBody, char delimiter) {
    // A byte order mark is no part of the first column's name.
    if (headerBody.starts_with(kByteOrderMark)) {
        headerBody.remove_prefix(kByteOrderMark.size());
    }
    FieldSplitter splitter(delimiter);
    const std::vector<std::string_view>& header = splitter.split(headerBody);
    std::vector<Column> found;
    for (const Input input : task.inputs()) {
        const std::string& name = columns[static_cast<std::size_t>(input)];
        const auto column = findColumn(name, header);
        if (const auto* missing = std::get_if<ColumnNotFound>(&column)) {
            throw std::invalid_argument(std::string(inputOption(input).option) + ": " +
                                        missing->reason);
        }
        found.push_back({input, std::get<std::size_t>(column), name});
    }
    return found;
}

std::string headerLine(const Record& header, const Task& task, char delimiter) {
    std::string line(header.body);
    for (const std::string& title : task.columnTitles()) {
        line += delimiter;
        appendField(line, title, delimiter);
    }
    line += header.terminator;
    return line;
}

struct Tally {
    std::uint64_t rows = 0;
    std::uint64_t badRows = 0;
    std::vector<BadRow> firstBadRows;  // by line in the log
    bool stopped = false;
};

void report(const Tally& tally) {
    if (tally.stopped) {
        const BadRow& row = tally.firstBadRows.front();
        complain("line " + std::to_string(row.line) + ": " + row.reason +
                 "; stopped there (--strict)");
        return;
    }
    if (tally.badRows == 0) {
        return;
    }
    complain("no results for " + std::to_string(tally.badRows) + " of " +
             std::to_string(tally.rows) + " rows; their result cells are empty:");
    std::string lines;
    for (const BadRow& row : tally.firstBadRows) {
        lines += "  line " + std::to_string(row.line) + ": " + row.reason + "\n";
    }
    if (tally.badRows > tally.firstBadRows.size()) {
        lines +=
            "  and " + std::to_string(tally.badRows - tally.firstBadRows.size()) + " more rows\n";
    }
    std::fwrite(lines.data(), 1, lines.size(), stderr);
}

}  // namespace

int runLog(const Task& task, const InputTexts& columnNames, const NumberLocale& locale,
           const LogOptions& options) {
    try {
        BlockReader reader(options.input);
        Block first;
        if (!reader.next(first.input)) {
            complain(options.input + ": the log is empty; its first line must name the columns");
            return kUsageError;
        }
        std::string_view rest = first.input;
        const Record header = takeRecord(rest);
        const std::vector<Column> columns =
            findColumns(task, columnNames, header.body, options.delimiter);
        const std::uint64_t headerLines =
            1 + lineBreaksIn(header.body) + (header.terminator.empty() ? 0 : 1);
        const std::string headerText = headerLine(header, task, options.delimiter);
        const std::size_t headerBytes = first.input.size() - rest.size();
        first.input.erase(0, headerBytes);

        Output output(options.output);
        output.write(headerText);

        const NumberLocale cellLocale = withoutGroups(locale);
        Progress progress(options.quiet ? std::nullopt : reader.fileSize());
        Tally tally;
        std::uint64_t nextLine = headerLines;
        std::uint64_t bytesDone = headerBytes;
        {
            const std::size_t workers = std::max(1U, std::thread::hardware_concurrency());
            Pipeline pipeline(
                workers, [&] { return RowWriter(task, columns, locale, cellLocale, options); });
            bool more = !first.input.empty();
            if (more) {
                pipeline.nextFree().input.swap(first.input);
                pipeline.submit();
            }
            while (!pipeline.empty()) {
                while (more && !pipeline.full()) {
                    more = reader.next(pipeline.nextFree().input);
                    if (more) {
                        pipeline.submit();
                    }
                }
                Block& block = pipeline.oldestDone();
                output.write(block.output);
                bytesDone += block.input.size();
                for (BadRow& row : block.firstBadRows) {
                    if (tally.firstBadRows.size() < kReportedBadRows) {
                        tally.firstBadRows.push_back({nextLine + row.line, std::move(row.reason)});
                    }
                }
                tally.rows += block.rows;
                tally.badRows += block.badRows;
                nextLine += block.lines;
                tally.stopped = block.stopped;
                pipeline.release();
                progress.update(tally.rows, bytesDone);
                if (tally.stopped) {
                    break;
                }
            }
        }
        progress.finish();
        report(tally);
        if (tally.stopped) {
            return kUsageError;
        }
        output.commit();
        return tally.badRows > 0 ? kBadRows : kSuccess;
    } catch (const IoError& error) {
        complain(error.what());
        return kUsageError;
    } catch (const std::invalid_argument& error) {
        complain(error.what());
        return kUsageError;
    }
}

}  // namespace nimbaro::cli
