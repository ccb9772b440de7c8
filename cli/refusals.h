#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace nimbaro::cli {

// "did you mean dew-point?": the names that come nearest a word that names nothing, each
// candidate given by its name and every spelling it answers to; nothing when none comes
// within about half the word's letters. Only the nearest are named, so that "--temp" brings
// --air-temperature and not --help too.
std::string suggestion(std::string_view typed, const std::vector<std::string>& names,
                       const std::vector<std::vector<std::string_view>>& spellings);

// "; did you mean dew-point? (--help lists them all)", or "; --help lists them".
std::string refusalEnd(const std::string& suggested);

// Refuses the first option that the command a command line names does not have, with the
// names of its options that come near it.
void refuseUnknownOption(const CLI::App& app, int argc, char** argv);

// A word CLI11 takes for an unknown option but that was meant as a value: "-inf".
bool isNonFiniteValue(std::string_view word);

}  // namespace nimbaro::cli
