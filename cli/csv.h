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
    // No record but the LF of a CRLF whose CR ended the record before it (see
    // RecordScanner::endAtCarriageReturn()).
    bool lineFeedOfCrLf = false;
    // A field starts with a quote: only then may the record hold a line break.
    bool quoted = false;

    std::size_t end() const { return begin + bodyLength + terminatorLength; }
};

// Finds record ends in a stream of bytes that arrives in pieces: the state of the record
// being read survives from one call to the next, so each byte is looked at once, whatever the
// size of the record or of the pieces.
class RecordScanner {
  public:
    explicit RecordScanner(char delimiter) : delimiter_(delimiter) {}

    // Puts the next whole record of `bytes` into `record`, `bytes` holding the record being
    // read from its first byte on (the same bytes as in the last call, and maybe more), or from
    // its byte scanned() on after forget(). False when the record goes on beyond them; with
    // `atEnd` (no more bytes will come) the rest is a record unless it is empty.
    bool next(std::string_view bytes, bool atEnd, RecordSpan& record);

    // How many bytes of the record being read have been looked at.
    std::size_t scanned() const { return scanned_; }
    // Lets the record's bytes before scanned() go, for a record whose end is looked for
    // without keeping all of it; next() is then never told `atEnd` for this record.
    void forget() { forgotten_ = scanned_; }
    // Where the quoted field that is open, after the bytes looked at, starts in the record.
    std::optional<std::size_t> openQuote() const;
    // Starts the record being read again from its first byte; the quote at `neverClosed`, if
    // given, is known to stay open to the end of the log, so the record ends at the first line
    // end after it.
    void restart(std::optional<std::size_t> neverClosed);

    // Whether the bytes looked at end in a CR that may be the first half of a CRLF.
    bool endsInCarriageReturn() const { return carriageReturnLast_; }
    // Ends the record at that CR without waiting for the next byte (a live log that has no more
    // at hand); an LF that comes next is then given as a lineFeedOfCrLf span.
    RecordSpan endAtCarriageReturn();

  private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    // Puts the record that ends here into `record` and starts the next; true.
    bool ended(RecordSpan& record, std::size_t bodyLength, std::size_t terminatorLength,
               bool unclosed = false);
    void startRecord();
    // The end of a record whose quote never closes, at the first line end from `at` of `bytes`.
    bool endAtLineEnd(std::string_view bytes, std::size_t at, bool atEnd, RecordSpan& record);

    char delimiter_;
    State state_ = State::FieldStart;
    std::size_t scanned_ = 0;     // bytes of the record looked at so far
    std::size_t forgotten_ = 0;   // bytes of the record no longer given
    std::size_t quoteStart_ = 0;  // where the open quoted field started
    std::optional<std::size_t> neverClosed_;
    bool carriageReturnLast_ = false;
    bool lineFeedMayFollow_ = false;
    bool quoted_ = false;  // a field of the record being read starts with a quote
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
