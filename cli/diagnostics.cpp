#include "diagnostics.h"

#include <cstdio>
#include <string>

namespace nimbaro::cli {

void complain(std::string_view message) {
    const std::string line = "nimbaro-calc: " + std::string(message) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace nimbaro::cli
