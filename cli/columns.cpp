#include "columns.h"

#include <charconv>

#include "csv.h"
#include "diagnostics.h"
#include "text_match.h"

namespace nimbaro::cli {

std::variant<std::size_t, ColumnNotFound> findColumn(std::string_view wanted,
                                                     std::span<const std::string_view> header) {
    std::vector<std::size_t> exact;
    for (std::size_t i = 0; i < header.size() && exact.size() < 3; ++i) {
        if (header[i] == wanted) {
            exact.push_back(i);
        }
    }
    if (exact.size() == 1) {
        return exact.front();
    }
    if (exact.size() > 1) {
        return ColumnNotFound{"more than one column is named \"" + std::string(wanted) +
                                  "\" (columns " + std::to_string(exact[0] + 1) +
                                  (exact.size() > 2 ? ", " : " and ") +
                                  std::to_string(exact[1] + 1) + (exact.size() > 2 ? ", ..." : "") +
                                  "); give the number of the one meant",
                              true};
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
        return ColumnNotFound{
            "more than one column is named \"" + std::string(wanted) + "\" apart from case", true};
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

namespace {

// The header without a byte order mark, which is no part of the first column's name.
std::string_view withoutByteOrderMark(std::string_view headerBody) {
    if (headerBody.starts_with(kByteOrderMark)) {
        headerBody.remove_prefix(kByteOrderMark.size());
    }
    return headerBody;
}

}  // namespace

std::vector<Column> findColumns(const Task& task, const InputTexts& names,
                                std::string_view headerBody, char delimiter) {
    FieldSplitter splitter(delimiter);
    const std::vector<std::string_view>& header = splitter.split(withoutByteOrderMark(headerBody));
    std::vector<Column> found;
    for (const Input input : task.inputs()) {
        const std::string& name = names[static_cast<std::size_t>(input)];
        if (name.starts_with('=')) {
            found.push_back({input, 0, name.substr(1), true});
            continue;
        }
        const auto column = findColumn(name, header);
        if (const auto* missing = std::get_if<ColumnNotFound>(&column)) {
            throw usageError(
                std::string(inputOption(input).option) + ": " + missing->reason +
                (missing->ambiguous ? "" : "; a value for every row is written =" + name));
        }
        found.push_back({input, std::get<std::size_t>(column), name});
    }
    return found;
}

std::string resultHeader(std::string_view headerBody, std::string_view terminator,
                         std::span<const LogPart> parts, char delimiter) {
    FieldSplitter splitter(delimiter);
    const std::vector<std::string_view>& header = splitter.split(withoutByteOrderMark(headerBody));
    std::string line(headerBody);
    for (const LogPart& part : parts) {
        const Task& task = *part.task;
        // A conversion's results are titled by the column they convert, as its header names it.
        std::string valueTitle = task.conversion() != nullptr
                                     ? std::string(task.conversion()->quantity->name)
                                     : std::string("Wind Direction");
        for (const Column& column : part.columns) {
            if (column.input == Input::Value) {
                const std::string_view title = column.constant ? column.name : header[column.index];
                valueTitle = title.empty() ? valueTitle : std::string(title);
            }
        }
        for (const std::string& title : task.columnTitles(valueTitle)) {
            line += delimiter;
            appendField(line, title, delimiter);
        }
    }
    line += terminator;
    return line;
}

FieldKeys::FieldKeys(std::string_view headerBody, char delimiter) {
    FieldSplitter splitter(delimiter);
    const std::vector<std::string_view>& texts = splitter.split(withoutByteOrderMark(headerBody));
    for (const std::string_view text : texts) {
        taken_.emplace(text);
    }
    std::unordered_set<std::string_view> seen;
    keys_.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (seen.insert(texts[i]).second) {
            keys_.emplace_back(texts[i]);
        } else {
            keys_.push_back(numbered(std::string(texts[i]), i));
            taken_.insert(keys_.back());
        }
    }
}

std::string FieldKeys::beyondHeader(std::size_t index) const {
    std::string key = std::to_string(index + 1);
    return taken_.contains(key) ? numbered(std::move(key), index) : key;
}

std::string FieldKeys::numbered(std::string key, std::size_t index) const {
    const std::string suffix = " (" + std::to_string(index + 1) + ")";
    do {
        key += suffix;
    } while (taken_.contains(key));
    return key;
}

}  // namespace nimbaro::cli
