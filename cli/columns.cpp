#include "columns.h"

#include <charconv>

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

}  // namespace nimbaro::cli
