#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <variant>
#include <vector>

#include "task.h"

namespace nimbaro::cli {

// Why a column named on the command line is not in the header, or not only once.
struct ColumnNotFound {
    std::string reason;
    bool ambiguous = false;  // more than one column answers to the name
};

// The 0-based index of the column that `wanted` names in the header: its header text (exact,
// or else without regard to case, when only one column answers), or else its 1-based number.
std::variant<std::size_t, ColumnNotFound> findColumn(std::string_view wanted,
                                                     std::span<const std::string_view> header);

// The column an input reads, and the name it was given by; or the constant it takes in every
// row, given as "=1013.25".
struct Column {
    Input input;
    std::size_t index;
    std::string name;  // the constant's text, without its "="
    bool constant = false;
};

// The column of every input of the task in the log's header line, or its constant. Throws a
// usage error for a column that is not there.
std::vector<Column> findColumns(const Task& task, const InputTexts& names,
                                std::string_view headerBody, char delimiter);

// The names of a JSON record's fields, each used once: the header's texts; a text the header
// repeats, the second time and after, with its column's number, "T (3)", as often as it takes to
// be unlike every other; a field beyond the header, its column's number, "4", likewise.
class FieldKeys {
  public:
    FieldKeys() = default;
    FieldKeys(std::string_view headerBody, char delimiter);

    std::size_t size() const { return keys_.size(); }
    const std::string& operator[](std::size_t index) const { return keys_[index]; }
    // The key of a field at a 0-based index at or beyond size().
    std::string beyondHeader(std::size_t index) const;

  private:
    std::string numbered(std::string key, std::size_t index) const;

    std::vector<std::string> keys_;
    std::unordered_set<std::string> taken_;
};

// One task of a log run, and the column (or constant) each of its inputs is read from.
struct LogPart {
    const Task* task;
    std::vector<Column> columns;
};

// The header line of the results: the log's own, then a title for every result column of each
// part in turn.
std::string resultHeader(std::string_view headerBody, std::string_view terminator,
                         std::span<const LogPart> parts, char delimiter);

}  // namespace nimbaro::cli
