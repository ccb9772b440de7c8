#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nimbaro::cli {

// CSV as RFC 4180 writes it: fields separated by a delimiter, records ended by CRLF or LF, a
// field in double quotes may hold delimiters, quotes (doubled) and line breaks. A delimiter or
// line feed separates only where the quotes before it in the record pair up, so a stray quote
// makes its field run on to the next quote; nothing is ever dropped.

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One record: its bytes without the terminator, and the terminator as it was ("\r\n", "\n", or
// nothing for a last record without one).
struct Record {
    std::string_view body;
    std::string_view terminator;
};

// The length of the longest prefix of `bytes` made of whole records, each ended by its line
// feed; 0 when no record is complete yet.
std::size_t completeRecordsLength(std::string_view bytes);

// Takes the first record off `bytes`, which must not be empty. At the end of the input a last
// record without a terminator is the rest of the bytes.
Record takeRecord(std::string_view& bytes);

// The number of line breaks in a record body (those inside quoted fields).
std::size_t lineBreaksIn(std::string_view body);

// Reusable storage for the fields of one record: the views point into the record or into the
// unquoted copies kept here, and stay valid until the next split.
class FieldSplitter {
  public:
    explicit FieldSplitter(char delimiter) : delimiter_(delimiter) {}

    // The record's fields, unquoted.
    const std::vector<std::string_view>& split(std::string_view body);

  private:
    std::string_view unquote(std::string_view field);

    char delimiter_;
    std::vector<std::string_view> fields_;
    std::string unquoted_;
};

// Appends `text` as one field, in quotes (with its quotes doubled) when it holds the
// delimiter, a quote or a line break, or starts or ends with a blank.
void appendField(std::string& out, std::string_view text, char delimiter);

}  // namespace nimbaro::cli
