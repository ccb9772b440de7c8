#include "diagnostics.h"

#include <cstdio>
#include <string>

namespace nimbaro::cli {

void complain(std::string_view message) {
    const std::string line = "nimbaro-calc: " + std::string(message) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

// Appended piece by piece: GCC 12 at -O3 takes "\"" + std::string(...) for an overlapping copy
// (-Wrestrict), which -Werror turns into a failed Release build.
std::string inQuotes(std::string_view text) {
    std::string quoted = "\"";
    quoted.append(text);
    quoted += '"';
    return quoted;
}

}  // namespace nimbaro::cli
