#include "columns.h"

#include <charconv>

#include "csv.h"
#include "diagnostics.h"
#include "text_match.h"

namespace nimbaro::cli {

std::variant<std::size_t, ColumnNotFound> findColumn(std::string_view wanted,
                                                     std::span<const std::string_view> header) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == wanted) {
            return i;
        }
    }
    std::size_t matches = 0;
    std::size_t match = 0;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (sameName(header[i], wanted)) {
            ++matches;
            match = i;
        }
    }
    if (matches == 1) {
        return match;
    }
    if (matches > 1) {
        return ColumnNotFound{"more than one column is named \"" + std::string(wanted) +
                              "\" apart from case"};
    }
    std::size_t number = 0;
    const char* const end = wanted.data() + wanted.size();
    const auto [stop, error] = std::from_chars(wanted.data(), end, number);
    if (wanted.empty() || error != std::errc() || stop != end) {
        return ColumnNotFound{"no column is named \"" + std::string(wanted) + "\""};
    }
    if (number < 1 || number > header.size()) {
        return ColumnNotFound{"no column " + std::string(wanted) + ": the header has " +
                              std::to_string(header.size()) + " columns"};
    }
    return number - 1;
}

std::vector<Column> findColumns(const Task& task, const InputTexts& names,
                                std::string_view headerBody, char delimiter) {
    // A byte order mark is no part of the first column's name.
    if (headerBody.starts_with(kByteOrderMark)) {
        headerBody.remove_prefix(kByteOrderMark.size());
    }
    FieldSplitter splitter(delimiter);
    const std::vector<std::string_view>& header = splitter.split(headerBody);
    std::vector<Column> found;
    for (const Input input : task.inputs()) {
        const std::string& name = names[static_cast<std::size_t>(input)];
        if (name.starts_with('=')) {
            found.push_back({input, 0, name.substr(1), true});
            continue;
        }
        const auto column = findColumn(name, header);
        if (const auto* missing = std::get_if<ColumnNotFound>(&column)) {
            throw usageError(std::string(inputOption(input).option) + ": " + missing->reason +
                             "; a value for every row is written =" + name);
        }
        found.push_back({input, std::get<std::size_t>(column), name});
    }
    return found;
}

std::string resultHeader(std::string_view headerBody, std::string_view terminator, const Task& task,
                         char delimiter) {
    std::string line(headerBody);
    for (const std::string& title : task.columnTitles()) {
        line += delimiter;
        appendField(line, title, delimiter);
    }
    line += terminator;
    return line;
}

}  // namespace nimbaro::cli
