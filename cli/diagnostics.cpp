#include "diagnostics.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace nimbaro::cli {
namespace {

constexpr std::size_t kQuotedBytes = 80;

// Whether `byte` continues a UTF-8 character, so that a cut never splits one.
bool continuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

Failure systemError(const std::string& what) {
    return usageError(what + ": " + std::strerror(errno));
}

void complain(std::string_view message) {
    const std::string line = "nimbaro-calc: " + std::string(message) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string inQuotes(std::string_view text) {
    std::size_t shown = text.size();
    if (shown > kQuotedBytes) {
        shown = kQuotedBytes;
        while (shown > 0 && continuesCharacter(text[shown])) {
            --shown;
        }
    }
    std::string quoted = "\"";
    for (const char c : text.substr(0, shown)) {
        switch (c) {
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                    constexpr char kHex[] = "0123456789abcdef";
                    quoted += "\\x";
                    quoted += kHex[(c >> 4) & 0xF];
                    quoted += kHex[c & 0xF];
                } else {
                    quoted += c;
                }
        }
    }
    quoted += '"';
    if (shown < text.size()) {
        quoted += "... (" + std::to_string(text.size()) + " bytes)";
    }
    return quoted;
}

}  // namespace nimbaro::cli
