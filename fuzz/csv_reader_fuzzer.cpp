// Any bytes as a CSV log: the reader never stops short or loops, its records join back into
// the input exactly, the fields it splits read back the same once re-quoted, and a column of
// the first record is found alike by its header text and by its 1-based number.
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

std::vector<cli::Record> takeAllRecords(std::string_view bytes) {
    std::vector<cli::Record> records;
    while (!bytes.empty()) {
        const std::size_t before = bytes.size();
        records.push_back(cli::takeRecord(bytes));
        require(bytes.size() < before, "every record takes at least one byte", bytes);
    }
    return records;
}

void checkRecords(std::string_view input, const std::vector<cli::Record>& records) {
    std::string joined;
    std::size_t terminated = 0;
    for (const cli::Record& record : records) {
        require(record.terminator == "\n" || record.terminator == "\r\n" ||
                    (record.terminator.empty() && &record == &records.back()),
                "only the last record may lack its line end", record.body);
        joined.append(record.body).append(record.terminator);
        if (!record.terminator.empty()) {
            terminated = joined.size();
        }
    }
    require(joined == input, "the records join back into the input", input);
    require(cli::completeRecordsLength(input) == terminated,
            "the whole records of a block end where the last line end taken ends", input);
}

void checkRequoting(const cli::Record& record, char delimiter) {
    cli::FieldSplitter splitter(delimiter);
    const std::vector<std::string_view> fields = splitter.split(record.body);
    std::string requoted;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            requoted += delimiter;
        }
        cli::appendField(requoted, fields[i], delimiter);
    }
    requoted += '\n';
    std::string_view rest = requoted;
    const cli::Record reread = cli::takeRecord(rest);
    require(rest.empty(), "re-quoted fields make one record", requoted);
    cli::FieldSplitter again(delimiter);
    require(again.split(reread.body) == fields, "re-quoted fields read back the same", requoted);
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
        const std::optional<std::size_t> byText = columnIndex(header[i], header);
        require(byText && header[*byText] == header[i], "a column is found by its header text",
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

    const std::vector<cli::Record> records = takeAllRecords(input);
    checkRecords(input, records);
    for (const cli::Record& record : records) {
        checkRequoting(record, delimiter);
    }
    if (!records.empty()) {
        cli::FieldSplitter splitter(delimiter);
        checkColumns(splitter.split(records.front().body));
    }
    return 0;
}
