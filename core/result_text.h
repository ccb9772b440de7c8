#pragma once

#include <span>
#include <string>
#include <string_view>

#include "number_locale.h"

namespace nimbaro {

// A result as it is copied: a number as shown but without its group separators, so that it
// pastes into a spreadsheet or a form that reads the same regional settings; any other text
// (a compass point) as shown.
std::string copyableText(std::string_view shown, const NumberLocale& locale);

// One output of a window: the text it shows and the name of its unit.
struct ShownResult {
    std::string shown;
    std::string unitName;
};

// Every result that holds a value, one line each: the copyable text, a tab, the unit name and
// a line end. Empty when no result holds a value.
std::string resultLines(std::span<const ShownResult> results, const NumberLocale& locale);

}  // namespace nimbaro
