#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion_table.h"
#include "number_locale.h"

namespace nimbaro {

// The texts every output label of `table` receives for `inputText` in unit `fromUnit`, before
// they are formatted: the input text itself where the cell copies it, otherwise the result as
// plain number text. Nothing when the input is not a number or when any result lies outside
// the double range, so that a window writes all of its outputs or none.
std::optional<std::vector<std::string>> convertAll(const ConversionTable& table,
                                                   std::size_t fromUnit, std::string_view inputText,
                                                   const NumberLocale& locale);

}  // namespace nimbaro
