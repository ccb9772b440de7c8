#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "columns.h"
#include "record_reader.h"
#include "task.h"

namespace nimbaro::cli {

// A row without results, and why.
struct BadRow {
    std::uint64_t line;  // of its first line
    std::string reason;
};

// What a run of rows came to.
struct RowTally {
    static constexpr std::size_t kReportedBadRows = 20;

    std::uint64_t rows = 0;
    std::uint64_t badRows = 0;
    std::vector<BadRow> firstBadRows;         // at most kReportedBadRows
    std::map<NoteKind, std::uint64_t> notes;  // rows with each kind of note
    bool stopped = false;                     // at a bad row, under --strict

    // Adds the tally of the rows that follow.
    void add(RowTally&& later);
};

// A block of records as read, and what becomes of it.
struct LogBlock : RecordBlock {
    std::uint64_t firstLine = 0;  // the line number of its first record
    std::string output;
    RowTally tally;
};

// What every row of a log is computed with.
struct RowSetup {
    const Task* task;
    std::vector<Column> columns;
    NumberLocale readLocale;  // of the cells
    NumberLocale cellLocale;  // of the result cells: no group separators
    char delimiter = ',';
    // A row with another number of fields has no results: they would not stand under their
    // titles.
    std::size_t headerFields = 0;
    bool strict = false;
    // Cells that stand for a missing reading (-9999, NA, M): such a cell counts as empty.
    std::vector<std::string> missing;
    // One JSON object a record instead of CSV, its fields named by these keys.
    bool jsonLines = false;
    FieldKeys fieldKeys;
};

// About what the output of a row adds to the row's own bytes, judged before any is written:
// its result cells, or the keys and results of its JSON object.
std::size_t outputBytesPerRow(const RowSetup& setup);

// The cells that --missing options name: each option one, or several separated by commas where
// a comma is no part of a number; blanks around each left out. Throws a usage error for an
// option that holds a comma that belongs to no number where numbers may hold commas.
std::vector<std::string> missingMarks(const std::vector<std::string>& options,
                                      const NumberLocale& locale);

// Computes the results of every row of a block: each record comes out as it went in, followed
// by its result cells, or by empty ones and a reason. One per worker thread, its buffers reused.
class RowWorker {
  public:
    explicit RowWorker(const RowSetup& setup);

    void process(LogBlock& block);

  private:
    // Fills results_ with the row's results; the reason when it has none.
    std::optional<std::string> computeRow(std::string_view body);
    // The record followed by its result cells, or by empty ones.
    void appendCsvRecord(std::string& out, std::string_view body, std::string_view terminator,
                         bool failed);
    // {"line":2,"fields":{"T":"20",...},"results":[...],"note":...}, or "error" and its reason.
    void appendJsonRecord(std::string& out, std::uint64_t line, std::string_view body,
                          const std::optional<std::string>& fault);
    bool isMissing(std::string_view cell) const;
    std::string columnText(const Column& column) const;

    const RowSetup& setup_;
    std::size_t outputCount_;
    std::vector<double> missingNumbers_;
    FieldSplitter splitter_;
    Readings readings_;
    Results results_;
};

}  // namespace nimbaro::cli
