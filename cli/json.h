#pragma once

#include <string>
#include <string_view>

namespace nimbaro::cli {

// Appends `text` as a JSON string. JSON is UTF-8: a byte that is not part of a valid UTF-8
// character (a cell of a Latin-1 log, say) becomes U+FFFD, the replacement character.
void appendJsonString(std::string& out, std::string_view text);

// Appends a finite double as a JSON number, in the fewest digits that read back as it.
void appendJsonNumber(std::string& out, double value);

}  // namespace nimbaro::cli
