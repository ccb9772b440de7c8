#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
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
    std::vector<BadRow> firstBadRows;  // at most kReportedBadRows
    // Rows with each kind of note, by the place of the part that gave it.
    std::map<std::pair<std::size_t, NoteKind>, std::uint64_t> notes;
    bool stopped = false;  // at a bad row, under --strict

    // Adds the tally of the rows that follow.
    void add(RowTally&& later);
};

// A block of records as read, and what becomes of it.
struct LogBlock : RecordBlock {
    std::uint64_t firstLine = 0;  // the line number of its first record
    std::string output;
    RowTally tally;
};

// What every row of a log is computed with: each part's results in turn after the row.
struct RowSetup {
    std::vector<LogPart> parts;
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
    // Fills each part's results, or its reason when it has none (faults_); the reason of the
    // row when any part has none.
    std::optional<std::string> computeRow(std::string_view body);
    // The part's results from the fields of a row that has every field; the reason when it
    // has none.
    std::optional<std::string> computePart(std::size_t part,
                                           const std::vector<std::string_view>& fields);
    // The record followed by each part's result cells, or by empty ones.
    void appendCsvRecord(std::string& out, std::string_view body, std::string_view terminator);
    // {"line":2,"fields":{"T":"20",...},"results":[...],"note":...}, or "error" and its reason;
    // with several parts, "calculations":[{"calculation":"dew-point","results":...},...] after
    // the fields, each part with its results or its "error".
    void appendJsonRecord(std::string& out, std::uint64_t line, std::string_view body,
                          const std::optional<std::string>& fault);
    // Computes a run of records ahead, each part over all of them at once: a row whose cells all
    // read as numbers and whose every part has outputs takes its results from here; any other
    // row is computed alone, which finds its reason.
    void computeAhead(std::string_view bytes, std::span<const RecordSpan> records);
    // Adds the numbers of every part read from the fields of a row, each cell read once; false,
    // adding none, where a cell is missing or no number.
    bool readAhead(const std::vector<std::string_view>& fields);
    // Each part's results from the row computed ahead at `element`; false where a part has none.
    bool takeAhead(std::size_t element);
    bool isMissing(std::string_view cell) const;
    std::string columnText(const Column& column) const;

    const RowSetup& setup_;
    std::vector<double> missingNumbers_;
    FieldSplitter splitter_;
    Readings readings_;
    // By part: its number of cells, its results, and why it has none.
    std::vector<std::size_t> cellCounts_;
    std::vector<bool> plainResultCells_;  // whose result cells never need quotes
    std::size_t outputBytesPerRow_ = 0;
    std::vector<Results> results_;
    std::vector<std::optional<std::string>> faults_;
    // The row has no results for a reason of its own (its fields), not one of a part.
    bool rowFault_ = false;
    // Rows computed ahead: only where every part is a calculation. By run: the records' places
    // in it; by part: each record's numbers and outcome. A run is short enough that its
    // outcomes are still in the nearest cache when the rows are written.
    static constexpr std::size_t kAheadRows = 32;
    bool computesAhead_ = false;
    std::vector<std::size_t> aheadRecords_;
    std::vector<std::vector<InputNumbers>> aheadNumbers_;
    std::vector<std::vector<Outcome<Calculated>>> aheadOutcomes_;
    // The cells a row is read ahead from, each once, a humidity without its percent sign; by
    // part, the cell of each of its columns; each cell's number in the row being read.
    struct AheadCell {
        const Column* column;
        bool percentSign;
    };
    std::vector<AheadCell> aheadCells_;
    std::vector<std::vector<std::size_t>> aheadCellOf_;
    std::vector<double> aheadCellNumbers_;
};

}  // namespace nimbaro::cli
