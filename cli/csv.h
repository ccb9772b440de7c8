#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbaro::cli {

// CSV as spreadsheets write it and Python's csv module reads it: fields separated by a
// delimiter; records ended by CRLF, LF or a lone CR (old Mac exports); a field that starts with
// a double quote may hold delimiters, line breaks and quotes (doubled) up to its closing quote.
// A quote anywhere else is an ordinary character, so a stray quote (5" gauge) stays in its
// field. A quote that opens a field and is never closed ends its record at the first line
// break after it: that record is malformed, and the records after it are read as usual.

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Where one record lies in a run of bytes.
struct RecordSpan {
    std::size_t begin = 0;
    std::size_t bodyLength = 0;        // without the terminator
    std::size_t terminatorLength = 0;  // "\r\n" 2, "\n" or "\r" 1, none at the end of the log
    bool unclosedQuote = false;        // a quote opens a field and is never closed

    std::size_t end() const { return begin + bodyLength + terminatorLength; }
};

// Finds record ends in a stream of bytes that arrives in pieces: the state of the record
// being read survives from one call to the next, so each byte is looked at once, whatever the
// size of the record or of the pieces.
class RecordScanner {
  public:
    explicit RecordScanner(char delimiter) : delimiter_(delimiter) {}

    // The next whole record of `bytes`, which hold the record being read from its first byte
    // on (the same bytes as in the last call, and maybe more). Nothing when the record goes
    // on beyond them; with `atEnd` (no more bytes will come) the rest is a record unless it
    // is empty.
    std::optional<RecordSpan> next(std::string_view bytes, bool atEnd);

  private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    std::optional<RecordSpan> ended(std::size_t bodyLength, std::size_t terminatorLength,
                                    bool unclosed = false);

    char delimiter_;
    State state_ = State::FieldStart;
    std::size_t scanned_ = 0;     // bytes of the record looked at so far
    std::size_t quoteStart_ = 0;  // where the open quoted field started
};

// The number of line breaks in a text (records, or a record's quoted fields): CRLF, LF and a
// lone CR count one each.
std::size_t lineBreaksIn(std::string_view text);

// Reusable storage for the fields of one record: the views point into the record or into the
// unquoted copies kept here, and stay valid until the next split.
class FieldSplitter {
  public:
    explicit FieldSplitter(char delimiter) : delimiter_(delimiter) {}

    // The record's fields, unquoted. The record must have no unclosed quote.
    const std::vector<std::string_view>& split(std::string_view body);

  private:
    char delimiter_;
    std::vector<std::string_view> fields_;
    std::string unquoted_;
};

// Appends `text` as one field, in quotes (with its quotes doubled) when it holds the
// delimiter, a quote or a line break, or starts or ends with a blank.
void appendField(std::string& out, std::string_view text, char delimiter);

}  // namespace nimbaro::cli
