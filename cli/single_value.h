#pragma once

#include <string_view>

#include "number_locale.h"
#include "task.h"

namespace nimbaro::cli {

// How results are printed: one "value<TAB>unit name" line each, or one JSON object.
enum class Format { Lines, Json };

// Computes the task for the values given and prints every result; returns the exit status.
// `userLocale`: the numbers are in the user's regional format (--locale).
int runSingle(const Task& task, const InputTexts& values, const NumberLocale& locale, Format format,
              bool userLocale);

}  // namespace nimbaro::cli
