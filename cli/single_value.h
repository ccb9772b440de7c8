#pragma once

#include <string_view>

#include "number_locale.h"
#include "task.h"

namespace nimbaro::cli {

// How results are printed: one "value<TAB>unit name" line each, or one JSON object.
enum class Format { Lines, Json };

// Computes the task for the numbers given and prints every result; returns the exit status.
int runSingle(const Task& task, const InputTexts& values, const NumberLocale& locale,
              Format format);

// Prints the range, mid-point and point of a compass point, or of a number of degrees.
int runWindDirection(std::string_view typed, const NumberLocale& locale, Format format);

}  // namespace nimbaro::cli
