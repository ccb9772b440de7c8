#include "csv.h"

#include <algorithm>
#include <cstring>

namespace nimbaro::cli {

bool RecordScanner::ended(RecordSpan& record, std::size_t bodyLength, std::size_t terminatorLength,
                          bool unclosed) {
    // Written field by field into the caller's span: a span returned whole would be copied
    // out of memory where its fields were just written one by one, which stalls.
    record.begin = 0;
    record.bodyLength = bodyLength;
    record.terminatorLength = terminatorLength;
    record.unclosedQuote = unclosed;
    record.lineFeedOfCrLf = false;
    record.quoted = quoted_;
    startRecord();
    return true;
}

void RecordScanner::startRecord() {
    state_ = State::FieldStart;
    scanned_ = 0;
    forgotten_ = 0;
    neverClosed_.reset();
    carriageReturnLast_ = false;
    quoted_ = false;
}

bool RecordScanner::endAtLineEnd(std::string_view bytes, std::size_t at, bool atEnd,
                                 RecordSpan& record) {
    const std::size_t lineEnd = bytes.find_first_of("\r\n", at);
    if (lineEnd == std::string_view::npos) {
        if (atEnd) {
            return ended(record, forgotten_ + bytes.size(), 0, true);
        }
        scanned_ = forgotten_ + bytes.size();
        return false;
    }
    // A CR at the end of what has arrived may be the first half of a CRLF.
    if (bytes[lineEnd] == '\r' && lineEnd + 1 == bytes.size() && !atEnd) {
        scanned_ = forgotten_ + lineEnd;
        return false;
    }
    const bool crlf = bytes.substr(lineEnd).starts_with("\r\n");
    return ended(record, forgotten_ + lineEnd, crlf ? 2 : 1, true);
}

bool RecordScanner::next(std::string_view bytes, bool atEnd, RecordSpan& record) {
    const char* const data = bytes.data();
    const std::size_t size = bytes.size();
    // Positions in `bytes` are the record's less the bytes forgotten.
    const std::size_t base = forgotten_;
    std::size_t at = scanned_ - base;
    carriageReturnLast_ = false;
    if (lineFeedMayFollow_ && scanned_ == 0) {
        if (size == 0) {
            return false;
        }
        lineFeedMayFollow_ = false;
        if (data[0] == '\n') {
            record = RecordSpan{};
            record.terminatorLength = 1;
            record.lineFeedOfCrLf = true;
            return true;
        }
    }
    while (at < size) {
        switch (state_) {
            case State::FieldStart:
                if (data[at] == '"') {
                    state_ = State::Quoted;
                    quoteStart_ = base + at++;
                    quoted_ = true;
                    break;
                }
                state_ = State::Unquoted;
                [[fallthrough]];
            case State::Unquoted:
                for (; at < size; ++at) {
                    const char c = data[at];
                    if (c == delimiter_) {
                        state_ = State::FieldStart;
                        ++at;
                        break;
                    }
                    if (c == '\n') {
                        return ended(record, base + at, 1);
                    }
                    if (c == '\r') {
                        // A CR at the end of what has arrived may be the first half of a CRLF.
                        if (at + 1 < size) {
                            return ended(record, base + at, data[at + 1] == '\n' ? 2 : 1);
                        }
                        if (atEnd) {
                            return ended(record, base + at, 1);
                        }
                        scanned_ = base + at;
                        carriageReturnLast_ = true;
                        return false;
                    }
                }
                break;
            case State::Quoted: {
                if (neverClosed_ == quoteStart_) {
                    return endAtLineEnd(bytes, at, atEnd, record);
                }
                const void* quote = std::memchr(data + at, '"', size - at);
                if (quote == nullptr) {
                    at = size;
                    break;
                }
                at = static_cast<std::size_t>(static_cast<const char*>(quote) - data) + 1;
                state_ = State::QuoteInQuoted;
                break;
            }
            case State::QuoteInQuoted:
                if (data[at] == '"') {
                    state_ = State::Quoted;
                    ++at;
                } else {
                    // Closed: the rest of the field up to the next delimiter is ordinary text.
                    state_ = State::Unquoted;
                }
                break;
        }
    }
    scanned_ = base + at;
    if (!atEnd) {
        return false;
    }
    if (state_ == State::Quoted) {
        return endAtLineEnd(bytes, quoteStart_ - base, true, record);
    }
    if (size == 0) {
        return false;
    }
    return ended(record, base + size, 0);
}

std::optional<std::size_t> RecordScanner::openQuote() const {
    return state_ == State::Quoted ? std::optional(quoteStart_) : std::nullopt;
}

void RecordScanner::restart(std::optional<std::size_t> neverClosed) {
    startRecord();
    neverClosed_ = neverClosed;
    lineFeedMayFollow_ = false;
}

RecordSpan RecordScanner::endAtCarriageReturn() {
    const std::size_t carriageReturn = scanned_;
    lineFeedMayFollow_ = true;
    RecordSpan record;
    ended(record, carriageReturn, 1);
    return record;
}

std::size_t lineBreaksIn(std::string_view text) {
    // Most records hold no line break: two quick searches tell.
    if (std::memchr(text.data(), '\n', text.size()) == nullptr &&
        std::memchr(text.data(), '\r', text.size()) == nullptr) {
        return 0;
    }
    const auto count = [&](char c) {
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
    };
    const std::size_t lineFeeds = count('\n');
    const std::size_t carriageReturns = count('\r');
    if (carriageReturns == 0) {
        return lineFeeds;
    }
    // A CRLF is one line break.
    std::size_t pairs = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++pairs;
    }
    return lineFeeds + carriageReturns - pairs;
}

const std::vector<std::string_view>& FieldSplitter::split(std::string_view body) {
    fields_.clear();
    unquoted_.clear();
    // Unquoting never lengthens a field, so the copies never move while the views exist.
    unquoted_.reserve(body.size());
    std::size_t at = 0;
    for (;;) {
        std::size_t start = at;
        std::size_t copyStart = std::string::npos;
        if (at < body.size() && body[at] == '"') {
            copyStart = unquoted_.size();
            ++at;
            for (;;) {
                const std::size_t quote = std::min(body.find('"', at), body.size());
                unquoted_.append(body, at, quote - at);
                at = quote + 1;
                if (at < body.size() && body[at] == '"') {
                    unquoted_ += '"';
                    ++at;
                    continue;
                }
                break;
            }
            start = std::min(at, body.size());
        }
        // Fields are short: a plain loop finds their end sooner than a search call.
        std::size_t end = start;
        while (end < body.size() && body[end] != delimiter_) {
            ++end;
        }
        if (copyStart == std::string::npos) {
            fields_.push_back(body.substr(start, end - start));
        } else {
            unquoted_.append(body, start, end - start);
            fields_.push_back(std::string_view(unquoted_).substr(copyStart));
        }
        if (end == body.size()) {
            return fields_;
        }
        at = end + 1;
    }
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
