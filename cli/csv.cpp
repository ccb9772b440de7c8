#include "csv.h"

#include <algorithm>

namespace nimbaro::cli {

std::size_t completeRecordsLength(std::string_view bytes) {
    std::size_t complete = 0;
    bool quoted = false;
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    for (const char* at = begin; at != end; ++at) {
        if (*at == '"') {
            quoted = !quoted;
        } else if (*at == '\n' && !quoted) {
            complete = static_cast<std::size_t>(at - begin) + 1;
        }
    }
    return complete;
}

Record takeRecord(std::string_view& bytes) {
    bool quoted = false;
    std::size_t at = 0;
    for (; at < bytes.size(); ++at) {
        if (bytes[at] == '"') {
            quoted = !quoted;
        } else if (bytes[at] == '\n' && !quoted) {
            break;
        }
    }
    Record record{bytes.substr(0, at), {}};
    if (at < bytes.size()) {
        const bool crlf = at > 0 && bytes[at - 1] == '\r';
        record.body.remove_suffix(crlf ? 1 : 0);
        record.terminator = bytes.substr(record.body.size(), crlf ? 2 : 1);
        ++at;
    }
    bytes.remove_prefix(at);
    return record;
}

std::size_t lineBreaksIn(std::string_view body) {
    return static_cast<std::size_t>(std::count(body.begin(), body.end(), '\n'));
}

const std::vector<std::string_view>& FieldSplitter::split(std::string_view body) {
    fields_.clear();
    unquoted_.clear();
    // Unquoting never lengthens a field, so the copies never move while the views exist.
    unquoted_.reserve(body.size());
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t at = 0; at < body.size(); ++at) {
        if (body[at] == '"') {
            quoted = !quoted;
        } else if (body[at] == delimiter_ && !quoted) {
            fields_.push_back(unquote(body.substr(start, at - start)));
            start = at + 1;
        }
    }
    fields_.push_back(unquote(body.substr(start)));
    return fields_;
}

std::string_view FieldSplitter::unquote(std::string_view field) {
    if (field.empty() || field.front() != '"') {
        return field;
    }
    const std::size_t start = unquoted_.size();
    bool quoted = false;
    for (std::size_t at = 0; at < field.size(); ++at) {
        const char c = field[at];
        if (c != '"') {
            unquoted_ += c;
        } else if (quoted && at + 1 < field.size() && field[at + 1] == '"') {
            unquoted_ += '"';
            ++at;
        } else {
            quoted = !quoted;
        }
    }
    return std::string_view(unquoted_).substr(start);
}

void appendField(std::string& out, std::string_view text, char delimiter) {
    const bool needsQuotes =
        std::any_of(text.begin(), text.end(),
                    [&](char c) { return c == delimiter || c == '"' || c == '\r' || c == '\n'; }) ||
        (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!needsQuotes) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

}  // namespace nimbaro::cli
