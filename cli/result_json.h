#pragma once

#include <string>

#include "task.h"

namespace nimbaro::cli {

// The members that say what a task was given and what came of it, each after a comma:
// "inputs", every input read by its option's name with its text as read, its number and unit;
// "results", every output with its unit's id, name and symbol, its number and its text as
// shown; then "note" and "risk" when the result has them.
void appendJsonInputs(std::string& out, const Task& task, const Readings& readings);
void appendJsonResults(std::string& out, const Task& task, const Results& results);

}  // namespace nimbaro::cli
