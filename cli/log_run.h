#pragma once

#include <string>

#include "number_locale.h"
#include "task.h"

namespace nimbaro::cli {

struct LogOptions {
    std::string input;   // "-" for standard input
    std::string output;  // empty for standard output
    char delimiter = ',';
    bool strict = false;  // stop at the first bad row
    bool quiet = false;   // no progress bar
};

// Runs the task on every row of a CSV log: each input option names a column in `columns`.
// Every record is copied through with the result cells after it. Returns the exit status.
int runLog(const Task& task, const InputTexts& columns, const NumberLocale& locale,
           const LogOptions& options);

}  // namespace nimbaro::cli
