#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "log_run.h"
#include "task.h"

namespace nimbaro::cli {

// What the options of the chosen subcommand hold; only one subcommand runs.
struct Choices {
    InputTexts inputs;
    std::string unit;
    std::string toUnits;
    std::string temperatureUnit = "C";
    std::string pressureUnit = "hPa";
    std::string speedUnit = "km/h";
    std::string elevationUnit = "m";
    bool oldFormula = false;
    bool noNotes = false;
    bool symbols = false;
    std::optional<std::string> formula;
    bool json = false;
    bool userLocale = false;
    LogOptions log;
    std::string delimiter = ",";
    // derive: the calculations named, each word one or a comma-separated list.
    std::vector<std::string> derived;
};

// Other spellings people commonly type for an input's option or a command, taken as its own;
// --help lists them after its name.
struct OptionAliases {
    Input input;
    std::string_view names;  // comma-separated, as CLI11 takes them
};
inline constexpr OptionAliases kOptionAliases[] = {
    {Input::AirTemperature, "--temperature"},
    {Input::Humidity, "--rh,--relative-humidity"},
    {Input::WindSpeed, "--wind"},
};
struct CommandAlias {
    std::string_view command;
    std::string_view alias;
};
inline constexpr CommandAlias kCommandAliases[] = {{"dew-point", "dewpoint"}};

// The option of an input, with its aliases: "--humidity,--rh,--relative-humidity".
std::string optionNames(Input input);

// The options every conversion and calculation has: output form, the locale and the log's.
void addCommonOptions(CLI::App& command, Choices& choices, bool json);

// The one byte a delimiter option names.
char delimiterOf(const std::string& text);

}  // namespace nimbaro::cli
