#pragma once

#include <string>
#include <string_view>

namespace nimbaro::cli {

enum ExitStatus {
    kSuccess = 0,
    kBadRows = 1,           // a log was written, but some rows have no results
    kUsageError = 2,        // a usage or input error, or a file that cannot be read or written
    kComputationFault = 3,  // the inputs are valid, but no result can be computed from them
};

// One line on standard error, after the program's name.
void complain(std::string_view message);

// A quoted text for messages: "abc".
std::string inQuotes(std::string_view text);

}  // namespace nimbaro::cli
