#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace nimbaro::cli {

// Why a column named on the command line is not in the header.
struct ColumnNotFound {
    std::string reason;
};

// The 0-based index of the column that `wanted` names in the header: its header text (exact,
// or else without regard to case when only one column answers), or else its 1-based number.
std::variant<std::size_t, ColumnNotFound> findColumn(std::string_view wanted,
                                                     std::span<const std::string_view> header);

}  // namespace nimbaro::cli
