#include "options.h"

#include <cstdint>

#include "diagnostics.h"

namespace nimbaro::cli {

std::string optionNames(Input input) {
    std::string names(inputOption(input).option);
    for (const OptionAliases& aliases : kOptionAliases) {
        if (aliases.input == input) {
            names += ',';
            names += aliases.names;
        }
    }
    return names;
}

void addCommonOptions(CLI::App& command, Choices& choices, bool json) {
    if (json) {
        command.add_flag("--json", choices.json,
                         "Print one JSON object instead of lines; with --csv, JSON Lines: one "
                         "object a record");
    }
    command.add_flag("--symbols", choices.symbols,
                     "Name each result by its unit's symbol (°C) rather than its name");
    command.add_flag("--locale", choices.userLocale,
                     "Read and write numbers in the regional format of LC_ALL, LC_NUMERIC or "
                     "LANG, as the windows do");
    command.add_option("--csv", choices.log.input,
                       "Compute every row of this CSV log (- for standard input); the value "
                       "options then name columns by header or 1-based number");
    command.add_option("-o,--output", choices.log.output,
                       "With --csv: write to this file, replaced only once complete");
    command
        .add_option("--delimiter", choices.delimiter,
                    "With --csv: the field separator, one character; tab or \\t for a tab")
        ->capture_default_str();
    command.add_flag("--strict", choices.log.strict,
                     "With --csv: stop at the first row without results (exit status 2)");
    command.add_flag("--quiet", choices.log.quiet, "With --csv: no progress bar");
    command
        .add_option("--missing", choices.log.missing,
                    "With --csv: cells that mark a missing reading, comma-separated (-9999,NA,M) "
                    "or one for each --missing; such a cell counts as empty")
        ->allow_extra_args(false);
    command.add_flag("--headerless-output", choices.log.headerlessOutput,
                     "With --csv: leave the header line out of the output");
    command
        .add_option("--first-line", choices.log.firstLine,
                    "With --csv: the line number of the line after the header, for reports on "
                    "a part of a longer log")
        ->check(CLI::Range(std::uint64_t{1}, kLastFirstLine).description(""));
}

char delimiterOf(const std::string& text) {
    if (text == "tab" || text == "\\t") {
        return '\t';
    }
    if (text.size() != 1) {
        throw usageError("--delimiter must be one character (or tab)");
    }
    const char delimiter = text.front();
    if (delimiter == '"' || delimiter == '\r' || delimiter == '\n' || delimiter == '.' ||
        delimiter == '-' || delimiter == '+' || (delimiter >= '0' && delimiter <= '9')) {
        throw usageError("--delimiter " + inQuotes(text) +
                         " cannot separate fields: it belongs to quotes, line ends or numbers");
    }
    return delimiter;
}

}  // namespace nimbaro::cli
