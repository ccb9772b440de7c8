#include "refusals.h"

#include <optional>

#include "diagnostics.h"
#include "text_match.h"

namespace nimbaro::cli {
namespace {

// A word CLI11 would take for an option ("--temp", "--temp=20", "-x") that `command` does not
// have: the word (a long option up to any "="), or nothing.
std::optional<std::string> unknownOption(const CLI::App& command, std::string_view word) {
    const bool isLong = word.starts_with("--") && word.size() > 2;
    const bool isShort = word.size() > 1 && word[0] == '-' &&
                         ((word[1] >= 'a' && word[1] <= 'z') || (word[1] >= 'A' && word[1] <= 'Z'));
    if (!isLong && !isShort) {
        return std::nullopt;
    }
    // A short option's value may follow it in the same word: -ofile.csv.
    const std::string_view name = isLong ? word.substr(0, word.find('=')) : word.substr(0, 2);
    if (command.get_option_no_throw(std::string(name)) != nullptr) {
        return std::nullopt;
    }
    return std::string(isLong ? name : word);
}

}  // namespace

std::string suggestion(std::string_view typed, const std::vector<std::string>& names,
                       const std::vector<std::vector<std::string_view>>& spellings) {
    std::vector<std::size_t> near;
    for (std::size_t edits = 0; near.empty() && edits <= typed.size() / 2; ++edits) {
        near = nearestNames(typed, spellings, 3, edits);
    }
    std::string text;
    for (std::size_t i = 0; i < near.size(); ++i) {
        text += i == 0 ? "did you mean " : i + 1 == near.size() ? " or " : ", ";
        text += names[near[i]];
    }
    return text.empty() ? text : text + "?";
}

std::string refusalEnd(const std::string& suggested) {
    return suggested.empty() ? "; --help lists them"
                             : "; " + suggested + " (--help lists them all)";
}

void refuseUnknownOption(const CLI::App& app, int argc, char** argv) {
    const CLI::App* command = &app;
    std::string path;
    int i = 1;
    for (; i < argc && argv[i][0] != '-'; ++i) {
        const auto named = [&](const CLI::App* sub) { return sub->check_name(argv[i]); };
        const std::vector<const CLI::App*> subcommands = command->get_subcommands(named);
        if (subcommands.empty()) {
            break;
        }
        command = subcommands.front();
        path += (path.empty() ? "" : " ") + command->get_name();
    }
    for (; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        const std::optional<std::string> unknown = unknownOption(*command, argv[i]);
        if (!unknown) {
            continue;
        }
        std::vector<std::string> names;
        std::vector<std::vector<std::string_view>> spellings;
        for (const CLI::Option* option : command->get_options()) {
            if (!option->nonpositional()) {
                continue;
            }
            const std::vector<std::string>& longNames = option->get_lnames();
            names.push_back(longNames.empty() ? "-" + option->get_snames().front()
                                              : "--" + longNames.front());
            spellings.emplace_back(longNames.begin(), longNames.end());
            for (const std::string& shortName : option->get_snames()) {
                spellings.back().push_back(shortName);
            }
        }
        const std::string_view typed =
            std::string_view(*unknown).substr(unknown->find_first_not_of('-'));
        throw usageError((path.empty() ? "" : path + ": ") + "no option is named " +
                         inQuotes(*unknown) + refusalEnd(suggestion(typed, names, spellings)));
    }
}

bool isNonFiniteValue(std::string_view word) {
    return sameName(word, "-inf") || sameName(word, "-infinity") || sameName(word, "-nan");
}

}  // namespace nimbaro::cli
