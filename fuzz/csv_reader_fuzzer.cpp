// Any bytes as a CSV log: the scanner never stops short or loops, its records join back into
// the input exactly whatever the pieces it is fed in, the fields it splits read back the same
// once re-quoted, and a column of the first record is found alike by its header text (unless the
// header repeats it) and by its 1-based number.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "columns.h"
#include "csv.h"
#include "reference_numbers.h"

namespace nimbaro::fuzz {
namespace {

constexpr std::string_view kDelimiters = ",;\t|";

// The records of the whole input, with the bytes offered `piece` at a time.
std::vector<cli::RecordSpan> scanRecords(std::string_view input, char delimiter,
                                         std::size_t piece) {
    std::vector<cli::RecordSpan> records;
    cli::RecordScanner scanner(delimiter);
    std::size_t start = 0;
    std::size_t offered = 0;
    for (;;) {
        offered = std::min(input.size(), std::max(offered, start) + piece);
        const bool atEnd = offered == input.size();
        cli::RecordSpan record;
        if (scanner.next(input.substr(start, offered - start), atEnd, record)) {
            require(record.end() > 0, "every record takes at least one byte", input);
            record.begin = start;
            records.push_back(record);
            start = record.end();
        } else if (atEnd) {
            require(start == input.size(), "at the end every byte is in a record", input);
            return records;
        }
    }
}

void checkRecords(std::string_view input, const std::vector<cli::RecordSpan>& records) {
    std::size_t joined = 0;
    for (const cli::RecordSpan& record : records) {
        require(record.begin == joined, "the records join back into the input", input);
        const std::string_view terminator =
            input.substr(record.begin + record.bodyLength, record.terminatorLength);
        require(terminator == "\n" || terminator == "\r\n" || terminator == "\r" ||
                    (terminator.empty() && &record == &records.back()),
                "only the last record may lack its line end", input);
        joined = record.end();
    }
    require(joined == input.size(), "the records hold every byte", input);
}

void checkRequoting(std::string_view body, char delimiter) {
    cli::FieldSplitter splitter(delimiter);
    const std::vector<std::string_view> fields = splitter.split(body);
    std::string requoted;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            requoted += delimiter;
        }
        cli::appendField(requoted, fields[i], delimiter);
    }
    requoted += '\n';
    cli::RecordScanner scanner(delimiter);
    cli::RecordSpan reread;
    require(scanner.next(requoted, true, reread) && reread.end() == requoted.size() &&
                !reread.unclosedQuote,
            "re-quoted fields make one record", requoted);
    cli::FieldSplitter again(delimiter);
    require(again.split(std::string_view(requoted).substr(0, reread.bodyLength)) == fields,
            "re-quoted fields read back the same", requoted);
}

std::optional<std::size_t> columnIndex(std::string_view wanted,
                                       std::span<const std::string_view> header) {
    const auto found = cli::findColumn(wanted, header);
    if (const std::size_t* index = std::get_if<std::size_t>(&found)) {
        return *index;
    }
    return std::nullopt;
}

void checkColumns(std::span<const std::string_view> header) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        // A text the header repeats names no one column.
        const std::optional<std::size_t> byText = columnIndex(header[i], header);
        const bool repeated = std::count(header.begin(), header.end(), header[i]) > 1;
        require(repeated ? !byText : byText == i, "a column is found by its header text",
                header[i]);

        // A column whose header text is a number is taken for that text, not the position.
        const std::string number = std::to_string(i + 1);
        const bool numberIsAName = std::find(header.begin(), header.end(), number) != header.end();
        require(numberIsAName || columnIndex(number, header) == i,
                "a column is found by its 1-based number", number);
    }
}

}  // namespace
}  // namespace nimbaro::fuzz

// The first byte chooses the delimiter, itself when it is one of kDelimiters and a comma
// otherwise; the rest is the log.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nimbaro;
    using namespace nimbaro::fuzz;
    if (size == 0) {
        return 0;
    }
    const char chosen = static_cast<char>(data[0]);
    const char delimiter = kDelimiters.find(chosen) != std::string_view::npos ? chosen : ',';
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::vector<cli::RecordSpan> records = scanRecords(input, delimiter, input.size());
    checkRecords(input, records);
    for (const std::size_t piece : {1, 2, 7}) {
        const std::vector<cli::RecordSpan> again = scanRecords(input, delimiter, piece);
        require(std::equal(records.begin(), records.end(), again.begin(), again.end(),
                           [](const cli::RecordSpan& a, const cli::RecordSpan& b) {
                               return a.begin == b.begin && a.end() == b.end() &&
                                      a.bodyLength == b.bodyLength &&
                                      a.unclosedQuote == b.unclosedQuote;
                           }),
                "the records do not depend on the pieces the bytes come in", input);
    }
    for (const cli::RecordSpan& record : records) {
        if (!record.unclosedQuote) {
            checkRequoting(input.substr(record.begin, record.bodyLength), delimiter);
        }
    }
    if (!records.empty() && !records.front().unclosedQuote) {
        cli::FieldSplitter splitter(delimiter);
        checkColumns(splitter.split(input.substr(0, records.front().bodyLength)));
    }
    return 0;
}
