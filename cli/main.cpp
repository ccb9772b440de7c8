// nimbaro-calc: every conversion and calculation of Nimbaro's windows from the command line,
// for one value or for every row of a CSV log, with the digits the windows show.

#include <fcntl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "log_run.h"
#include "method_choice.h"
#include "number_locales.h"
#include "number_text.h"
#include "output_file.h"
#include "single_value.h"
#include "task.h"
#include "text_match.h"

namespace nimbaro::cli {
namespace {

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
constexpr OptionAliases kOptionAliases[] = {
    {Input::AirTemperature, "--temperature"},
    {Input::Humidity, "--rh,--relative-humidity"},
    {Input::WindSpeed, "--wind"},
};
struct CommandAlias {
    std::string_view command;
    std::string_view alias;
};
constexpr CommandAlias kCommandAliases[] = {{"dew-point", "dewpoint"}};

// The option of an input, with its aliases: "--humidity,--rh,--relative-humidity".
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

// "did you mean dew-point?": the names that come nearest a word that names nothing, each
// candidate given by its name and every spelling it answers to; nothing when none comes
// within about half the word's letters. Only the nearest are named, so that "--temp" brings
// --air-temperature and not --help too.
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

// "; did you mean dew-point? (--help lists them all)", or "; --help lists them".
std::string refusalEnd(const std::string& suggested) {
    return suggested.empty() ? "; --help lists them"
                             : "; " + suggested + " (--help lists them all)";
}

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

// Refuses the first option that the command a command line names does not have, with the
// names of its options that come near it.
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

// What a unit may surprise with, said in the help of its quantity.
struct UnitFootnote {
    std::string_view quantity;
    std::string_view text;
};
constexpr UnitFootnote kUnitFootnotes[] = {
    {"rainfall",
     "Points are hundredths of an inch, the unit rain gauges were read in where inches were "
     "the measure (1 point = 0.254 mm)."},
    {"mass",
     "A tonne is the metric ton of 1000 kg, not the short (2000 lb) or long (2240 lb) ton; a "
     "stone is 14 pounds."},
    {"volume",
     "Volumes are in cubic units only: a millilitre is a cubic centimetre, a litre 1000 of "
     "them; there are no gallons, US or imperial."},
    {"air-pressure",
     "Hectopascals and millibars are the same size; mm and inches of mercury as barometers "
     "read them at standard gravity and 0 °C (1 mmHg = 133.322 Pa)."},
};

// Every unit of a quantity, one line each: its name and symbol, then what else it answers to.
std::string unitList(const Quantity& quantity) {
    std::string list;
    for (const Unit& unit : quantity.units) {
        list += "\n  " + std::string(unit.name) + " (" + std::string(unit.symbol) +
                "): " + std::string(unit.id);
        for (const std::string_view synonym : unit.synonyms) {
            list += ", " + std::string(synonym);
        }
    }
    for (const UnitFootnote& footnote : kUnitFootnotes) {
        if (footnote.quantity == quantity.id) {
            list += "\n" + std::string(footnote.text);
        }
    }
    return list;
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

// The one byte a delimiter option names.
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

// A word CLI11 takes for an unknown option but that was meant as a value: "-inf".
bool isNonFiniteValue(std::string_view word) {
    return sameName(word, "-inf") || sameName(word, "-infinity") || sameName(word, "-nan");
}

// The options of a method's inputs: "--air-temperature --humidity".
std::string inputSet(const MethodInfo& method) {
    std::string set;
    for (const Input input : method.inputs) {
        if (!set.empty()) {
            set += ' ';
        }
        set += inputOption(input).option;
    }
    return set;
}

// The sets of inputs a calculation takes, one line each.
std::string methodList(const CalculationInfo& calculation) {
    std::string list;
    for (const MethodInfo& method : calculation.methods) {
        // Whole lines compared: one set may begin another (without and with a wind speed).
        const std::string line = "\n  " + inputSet(method);
        if ((list + "\n").find(line + "\n") == std::string::npos) {
            list += line;
        }
    }
    return list;
}

// The reference formulas of a calculation: what each is and where it comes from, and the
// input sets each applies to.
std::string formulaList(const CalculationInfo& calculation) {
    std::string list;
    for (const MethodInfo& method : calculation.references) {
        list += "\n  " + formulaName(method.references) + ": with " + inputSet(method);
    }
    for (const ReferenceInfo& formula : referenceFormulas()) {
        if (std::any_of(calculation.references.begin(), calculation.references.end(),
                        [&](const MethodInfo& method) {
                            return method.references.uses(formula.reference);
                        })) {
            list += "\n  " + std::string(formula.id) + " is " + std::string(formula.name) +
                    "; from " + std::string(formula.source) + ".";
        }
    }
    return list;
}

// The subcommands and what each one computes once parsed.
class CommandLine {
  public:
    CommandLine() : app_("Nimbaro's conversions and calculations, for one value or a CSV log") {
        app_.name("nimbaro-calc");
        app_.require_subcommand(1);
        addVersion(app_);
        app_.footer(
            "Exit status: 0 done; 1 some rows of a log have no results; 2 usage or input "
            "error; 3 no result can be computed from the inputs. See nimbaro-calc(1).\n");
        CLI::App* convert = app_.add_subcommand("convert", "Convert a value into every unit");
        convert->require_subcommand(1);
        addVersion(*convert);
        for (const Quantity* quantity : quantities()) {
            addConversion(*convert, *quantity);
        }
        addWindDirection();
        for (const CalculationInfo& calculation : calculations()) {
            addCalculation(calculation);
        }
        addDerive();
    }

    int run(int argc, char** argv) {
        const auto named = [&](const CLI::App* command) { return command->check_name(argv[1]); };
        if (argc > 1 && argv[1][0] != '-' && app_.get_subcommands(named).empty()) {
            std::vector<std::string> names;
            std::vector<std::vector<std::string_view>> spellings;
            for (const CLI::App* command : app_.get_subcommands({})) {
                names.push_back(command->get_name());
                spellings.emplace_back(1, command->get_name());
                spellings.back().insert(spellings.back().end(), command->get_aliases().begin(),
                                        command->get_aliases().end());
            }
            throw usageError("no command is named " + inQuotes(argv[1]) +
                             refusalEnd(suggestion(argv[1], names, spellings)));
        }
        if (argc > 2 && std::string_view(argv[1]) == "convert" && argv[2][0] != '-' &&
            findQuantity(argv[2]) == nullptr) {
            std::string nearest;
            for (const Quantity* quantity : nearestQuantities(argv[2])) {
                nearest += (nearest.empty() ? "" : ", ") + std::string(quantity->id);
            }
            throw usageError("convert: " + inQuotes(argv[2]) + " is no quantity; the nearest are " +
                             nearest + " (--help lists them all)");
        }
        try {
            app_.parse(argc, argv);
        } catch (const CLI::ParseError& error) {
            for (int i = 1; i < argc; ++i) {
                if (isNonFiniteValue(argv[i])) {
                    throw usageError(inQuotes(argv[i]) + " is not a number: readings are finite");
                }
            }
            if (error.get_exit_code() != 0) {
                refuseUnknownOption(app_, argc, argv);
            }
            // An extra argument's value may have been taken for an argument and broken a rule
            // of it: the extra argument is the fault to name.
            const std::vector<std::string> unknown = app_.remaining(true);
            const bool named = unknown.empty() || error.get_exit_code() == 0 ||
                               dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr;
            const int status = named ? app_.exit(error) : app_.exit(CLI::ExtrasError(unknown));
            return status == 0 ? kSuccess : kUsageError;
        }
        const NumberLocale locale = choices_.userLocale ? userNumberLocale() : plainNumberLocale();
        if (derive_) {
            return runDerive(locale);
        }
        const Format format = choices_.json ? Format::Json : Format::Lines;
        chooseMethod();
        chooseUnits();
        if (task_.airPressureAssumed) {
            assumeAirPressure(locale);
        }
        task_.symbols = choices_.symbols;
        task_.notesInChosenUnits = choices_.userLocale;
        if (choices_.log.input.empty()) {
            if (!choices_.log.output.empty()) {
                throw usageError("-o needs --csv: a single value is printed on standard output");
            }
            return runSingle(task_, choices_.inputs, locale, format, choices_.userLocale);
        }
        choices_.log.jsonLines = choices_.json;
        choices_.log.delimiter = delimiterOf(choices_.delimiter);
        const LogTask only{&task_, choices_.inputs};
        return runLog(std::span(&only, 1), locale, choices_.log);
    }

  private:
    void addConversion(CLI::App& convert, const Quantity& quantity) {
        CLI::App* command = convert.add_subcommand(
            std::string(quantity.id),
            std::string(quantity.name) + " in every unit, or in one with --to");
        addVersion(*command);
        std::string& value = choices_.inputs[static_cast<std::size_t>(Input::Value)];
        CLI::Option* valueArgument = command->add_option("VALUE", value, "The value to convert");
        CLI::Option* unitArgument = command->add_option("UNIT", choices_.unit, "Its unit");
        command->add_option("--value", value, "The value to convert (with --csv: its column)")
            ->excludes(valueArgument);
        command->add_option("--unit", choices_.unit, "Its unit")->excludes(unitArgument);
        command->add_option("--to", choices_.toUnits,
                            "Print only these units, comma-separated (km/h,kn)");
        addCommonOptions(*command, choices_, true);
        command->footer("Units, by name, symbol, id or another spelling, in any case:" +
                        unitList(quantity) + "\n");
        command->callback([this, &quantity] {
            task_.command = "convert " + std::string(quantity.id);
            task_.quantity = &quantity;
        });
    }

    void addCalculation(const CalculationInfo& calculation) {
        CLI::App* command = app_.add_subcommand(std::string(calculation.id),
                                                "Compute the " + asciiLowerCase(calculation.name));
        for (const CommandAlias& alias : kCommandAliases) {
            if (alias.command == calculation.id) {
                command->alias(std::string(alias.alias));
            }
        }
        addVersion(*command);
        for (const InputInfo& input : inputs()) {
            if (readsAny(calculation, {input.input})) {
                command->add_option(optionNames(input.input),
                                    choices_.inputs[static_cast<std::size_t>(input.input)],
                                    "The " + std::string(input.name) + " (with --csv: its column)");
            }
        }
        std::string footer =
            "Input sets (the options given choose the method):" + methodList(calculation);
        if (readsAny(calculation, inputsTypedIn(temperatureQuantity()))) {
            command->add_option("--unit", choices_.temperatureUnit, "The temperatures' unit")
                ->capture_default_str();
            footer += "\nTemperature units:" + unitList(temperatureQuantity());
        }
        if (readsAny(calculation, inputsTypedIn(airPressureQuantity()))) {
            command->add_option("--pressure-unit", choices_.pressureUnit, "The pressure's unit")
                ->capture_default_str();
            if (calculation.assumesAirPressure) {
                footer += "\nWithout --air-pressure, 1013.25 hPa stands in for it, with a note.";
            }
            footer += "\nPressure units:" + unitList(airPressureQuantity());
        }
        if (readsAny(calculation, inputsTypedIn(windSpeedQuantity()))) {
            command->add_option("--speed-unit", choices_.speedUnit, "The wind speed's unit")
                ->capture_default_str();
            footer += "\nWind speed units:" + unitList(windSpeedQuantity());
        }
        if (readsAny(calculation, inputsTypedIn(lengthQuantity()))) {
            command->add_option("--elevation-unit", choices_.elevationUnit, "The elevation's unit")
                ->capture_default_str();
            footer += "\nElevation units:" + unitList(lengthQuantity());
        }
        if (usesFormula(calculation, Reference::OldWindChill)) {
            command->add_flag("--old-formula", choices_.oldFormula,
                              "The old wind chill formula instead of the new one");
        }
        command->add_option("--to", choices_.toUnits,
                            "Print only these units of the results, comma-separated (F,K)");
        command->add_flag("--no-notes", choices_.noNotes,
                          "With --csv: no columns for the notes and the risk category");
        if (!calculation.inWindows) {
            command->add_option("--formula", choices_.formula,
                                calculation.references.empty()
                                    ? "window: its own formula, the only one here"
                                    : "window: its own formula (the default); or a reference "
                                      "formula, as listed below");
        } else if (calculation.references.empty()) {
            command->add_option("--formula", choices_.formula,
                                "window: the window's formula, the only one here");
        } else {
            command->add_option("--formula", choices_.formula,
                                "window: the window's formula (the default); or a reference "
                                "formula, as listed below");
        }
        if (!calculation.references.empty()) {
            footer += "\nReference formulas (--formula), by input set:" + formulaList(calculation);
        }
        addCommonOptions(*command, choices_, true);
        command->footer(footer + "\n");
        command->callback([this, &calculation] {
            task_.command = std::string(calculation.id);
            task_.calculation = &calculation;
        });
    }

    void addWindDirection() {
        CLI::App* command =
            app_.add_subcommand("wind-direction", "Range, mid-point and point of a wind direction");
        std::string& value = choices_.inputs[static_cast<std::size_t>(Input::Value)];
        CLI::Option* argument = command->add_option(
            "DIRECTION", value, "Degrees (0 to 360) or a compass point (SSW, South South West)");
        command->add_option("--value", value, "With --csv: the column of the directions")
            ->excludes(argument);
        addVersion(*command);
        addCommonOptions(*command, choices_, true);
        command->callback([this] {
            task_.command = "wind-direction";
            task_.windDirection = true;
        });
    }

    void addDerive() {
        CLI::App* command = app_.add_subcommand(
            "derive", "Compute several calculations in one read of a CSV log (--csv)");
        addVersion(*command);
        // Named as words, not flags: --dew-point and --wet-bulb name input columns.
        command->add_option("CALCULATION", choices_.derived,
                            "The calculations, in the order their columns are to follow the "
                            "record: dew-point heat-index, or dew-point,heat-index");
        for (const InputInfo& input : inputs()) {
            if (input.input != Input::Value) {
                command->add_option(optionNames(input.input),
                                    choices_.inputs[static_cast<std::size_t>(input.input)],
                                    "The column of the " + std::string(input.name));
            }
        }
        command->add_option("--unit", choices_.temperatureUnit, "The temperatures' unit")
            ->capture_default_str();
        command->add_option("--pressure-unit", choices_.pressureUnit, "The pressure's unit")
            ->capture_default_str();
        command->add_option("--speed-unit", choices_.speedUnit, "The wind speed's unit")
            ->capture_default_str();
        command->add_option("--elevation-unit", choices_.elevationUnit, "The elevation's unit")
            ->capture_default_str();
        command->add_flag("--no-notes", choices_.noNotes,
                          "No columns for the notes and the risk categories");
        addCommonOptions(*command, choices_, true);
        command->footer(
            "Each calculation takes the window's method whose inputs were all given (without "
            "--air-pressure, 1013.25 hPa stands in for it, with a note); its results follow the "
            "record under their own titles, then its note and risk columns. Calculations:" +
            calculationIds() + "\n");
        command->callback([this] {
            task_.command = "derive";
            derive_ = true;
        });
    }

    // Each calculation with its sets of inputs: "  dew-point: --air-temperature --humidity; or
    // --air-temperature --wet-bulb --air-pressure".
    static std::string calculationIds() {
        std::string list;
        for (const CalculationInfo& calculation : calculations()) {
            std::string sets;
            for (const MethodInfo& method : calculation.methods) {
                const std::string set = inputSet(method);
                if (sets.find(set) == std::string::npos) {
                    sets += (sets.empty() ? "" : "; or ") + set;
                }
            }
            list += "\n  " + std::string(calculation.id) + ": " + sets;
        }
        return list;
    }

    // The calculations derive was given, in the order given.
    std::vector<const CalculationInfo*> derivedCalculations() const {
        std::vector<const CalculationInfo*> chosen;
        for (const std::string& word : choices_.derived) {
            for (const std::string_view id : commaSeparated(word)) {
                const auto found = std::find_if(calculations().begin(), calculations().end(),
                                                [&](const CalculationInfo& calculation) {
                                                    return sameName(calculation.id, id);
                                                });
                if (found == calculations().end()) {
                    std::vector<std::string> names;
                    std::vector<std::vector<std::string_view>> spellings;
                    for (const CalculationInfo& calculation : calculations()) {
                        names.emplace_back(calculation.id);
                        spellings.push_back({calculation.id});
                    }
                    throw usageError("derive: " + inQuotes(id) + " is no calculation" +
                                     refusalEnd(suggestion(id, names, spellings)));
                }
                if (std::find(chosen.begin(), chosen.end(), &*found) != chosen.end()) {
                    throw usageError("derive: " + std::string(found->id) +
                                     " is named twice; its columns would be written twice");
                }
                chosen.push_back(&*found);
            }
        }
        return chosen;
    }

    // The window's method of the calculation whose inputs were all given, the air pressure
    // assumed where a method reads one that was not.
    MethodChoice derivedMethod(const CalculationInfo& calculation) const {
        std::vector<MethodChoice> found;
        for (const MethodInfo& method : calculation.methods) {
            GivenInputs read{};
            bool readable = true;
            for (const Input input : method.inputs) {
                const bool given = !choices_.inputs[static_cast<std::size_t>(input)].empty();
                readable = readable && (given || input == Input::AirPressure);
                read[static_cast<std::size_t>(input)] = given;
            }
            const MethodChoice choice =
                readable ? nimbaro::chooseMethod(calculation, read, {}) : MethodChoice{};
            if (choice.method != nullptr &&
                std::none_of(found.begin(), found.end(), [&](const MethodChoice& earlier) {
                    return earlier.method == choice.method;
                })) {
                found.push_back(choice);
            }
        }
        if (found.size() == 1) {
            return found.front();
        }
        if (found.empty()) {
            throw usageError(
                "derive " + std::string(calculation.id) +
                ": give the columns of one of these sets of inputs:" + methodList(calculation));
        }
        std::string sets;
        for (const MethodChoice& choice : found) {
            sets += "\n  " + inputSet(*choice.method);
        }
        throw usageError("derive " + std::string(calculation.id) +
                         ": the columns given fit more than one of its sets of inputs, which "
                         "give different results; leave out the columns of all but one:" +
                         sets);
    }

    int runDerive(const NumberLocale& locale) {
        if (choices_.log.input.empty()) {
            throw usageError("derive: give the log with --csv (- for standard input)");
        }
        const std::vector<const CalculationInfo*> chosen = derivedCalculations();
        if (chosen.empty()) {
            throw usageError("derive: name the calculations: derive dew-point heat-index ...");
        }
        std::array<bool, kInputCount> read{};
        // Tasks stay where they are made: the log run keeps pointers to them.
        derivedTasks_.reserve(chosen.size());
        std::vector<LogTask> tasks;
        for (const CalculationInfo* calculation : chosen) {
            const MethodChoice choice = derivedMethod(*calculation);
            Task& task = derivedTasks_.emplace_back();
            task.command = std::string(calculation->id);
            task.calculation = calculation;
            task.method = choice.method->method;
            task.airPressureAssumed = choice.airPressureAssumed;
            task.noteColumns = !choices_.noNotes;
            task.symbols = choices_.symbols;
            task.notesInChosenUnits = choices_.userLocale;
            task.units = chosenUnits();
            InputTexts columnNames = choices_.inputs;
            if (task.airPressureAssumed) {
                task.units.pressure = PressureUnit::Hectopascals;
                columnNames[static_cast<std::size_t>(Input::AirPressure)] =
                    "=" + numberToText(kStandardAirPressure, locale);
            }
            for (const Input input : choice.method->inputs) {
                read[static_cast<std::size_t>(input)] = true;
            }
            tasks.push_back({&task, columnNames});
        }
        // A column no calculation reads is a column the user expected to be used.
        for (const InputInfo& input : inputs()) {
            const auto i = static_cast<std::size_t>(input.input);
            if (!choices_.inputs[i].empty() && !read[i]) {
                throw usageError("derive: " + inputOption(input.input).option +
                                 " is read by none of the calculations named");
            }
        }
        choices_.log.jsonLines = choices_.json;
        choices_.log.delimiter = delimiterOf(choices_.delimiter);
        return runLog(tasks, locale, choices_.log);
    }

    static void addVersion(CLI::App& command) {
        command.set_version_flag("--version", "nimbaro-calc " NIMBARO_VERSION);
    }

    // The method whose inputs are exactly the ones given.
    void chooseMethod() {
        if (task_.windDirection) {
            if (choices_.inputs[static_cast<std::size_t>(Input::Value)].empty()) {
                throw usageError("wind-direction: give the direction (with --csv: --value)");
            }
            return;
        }
        if (task_.quantity != nullptr) {
            if (choices_.inputs[static_cast<std::size_t>(Input::Value)].empty() ||
                choices_.unit.empty()) {
                throw usageError(task_.command + ": give the value and its unit");
            }
            return;
        }
        const CalculationInfo& calculation = *task_.calculation;
        const std::string formula = choices_.formula.value_or(formulaName({}));
        const std::optional<References> formulas = findFormulas(formula);
        if (!formulas) {
            throw usageError("--formula: " + inQuotes(formula) + " is no formula of " +
                             task_.command + " (" + formulaNames(calculation) + ")");
        }
        GivenInputs given{};
        for (std::size_t i = 0; i < kInputCount; ++i) {
            given[i] = !choices_.inputs[i].empty();
        }
        const MethodChoice choice = nimbaro::chooseMethod(
            calculation, given,
            choices_.oldFormula ? formulas->with(Reference::OldWindChill) : *formulas);
        if (choice.method != nullptr) {
            task_.method = choice.method->method;
            task_.airPressureAssumed = choice.airPressureAssumed;
            return;
        }
        if (choice.sameInputs != nullptr) {
            throw usageError("--formula " + formula + " does not apply to " + task_.command + " " +
                             inputSet(*choice.sameInputs) +
                             (calculation.references.empty()
                                  ? (calculation.inWindows ? "; it has the window's formula only"
                                                           : "; it has its own formula only")
                                  : "; --help lists the input sets of each formula"));
        }
        throw usageError(task_.command +
                         ": give one of these sets of inputs:" + methodList(calculation));
    }

    void chooseUnits() {
        if (task_.quantity != nullptr) {
            task_.fromUnit = unitOf(*task_.quantity, choices_.unit, "unit");
            if (!choices_.toUnits.empty()) {
                for (const std::string_view unit : commaSeparated(choices_.toUnits)) {
                    chooseOutput(task_, unitOf(*task_.quantity, unit, "--to"), unit);
                }
            }
            return;
        }
        task_.noteColumns = !choices_.noNotes;
        if (!choices_.toUnits.empty()) {
            chooseCalculationOutputs();
        }
        task_.units = chosenUnits();
    }

    // The units --unit, --pressure-unit, --speed-unit and --elevation-unit name.
    UnitChoice chosenUnits() {
        return {.temperature = calculationUnit(findTemperatureUnit, temperatureQuantity(),
                                               choices_.temperatureUnit, "--unit"),
                .pressure = calculationUnit(findPressureUnit, airPressureQuantity(),
                                            choices_.pressureUnit, "--pressure-unit"),
                .windSpeed = calculationUnit(findWindSpeedUnit, windSpeedQuantity(),
                                             choices_.speedUnit, "--speed-unit"),
                .length = calculationUnit(findLengthUnit, lengthQuantity(), choices_.elevationUnit,
                                          "--elevation-unit")};
    }

    // The standard air pressure in hectopascals, as the value typed or, in a log, a constant.
    void assumeAirPressure(const NumberLocale& locale) {
        task_.units.pressure = PressureUnit::Hectopascals;
        const std::string standard = numberToText(kStandardAirPressure, locale);
        choices_.inputs[static_cast<std::size_t>(Input::AirPressure)] =
            choices_.log.input.empty() ? standard : "=" + standard;
    }

    // The outputs --to names, among the calculation's outputs, which share one quantity.
    void chooseCalculationOutputs() {
        const std::span<const UnitRef> outputs = task_.calculation->outputs;
        const Quantity& quantity = outputs.front().quantity();
        for (const std::string_view typed : commaSeparated(choices_.toUnits)) {
            const std::size_t unit = unitOf(quantity, typed, "--to");
            const auto output = std::find_if(outputs.begin(), outputs.end(),
                                             [&](const UnitRef& ref) { return ref.index == unit; });
            if (output == outputs.end()) {
                throw usageError("--to: " + task_.command + " gives no result in " +
                                 inQuotes(typed));
            }
            chooseOutput(task_, static_cast<std::size_t>(output - outputs.begin()), typed);
        }
    }

    std::size_t unitOf(const Quantity& quantity, std::string_view typed, std::string_view option) {
        const UnitLookup lookup = lookUpUnit(quantity, typed);
        if (lookup.unit) {
            return *lookup.unit;
        }
        const std::string refused = std::string(option) + ": " + inQuotes(typed) + " is no " +
                                    asciiLowerCase(quantity.name) + " unit; ";
        if (lookup.instead) {
            throw usageError(refused + "use " + inQuotes(*lookup.instead));
        }
        throw usageError(refused + "the nearest are " + lookup.nearest +
                         " (--help lists them all)");
    }

    template <typename CalculationUnit>
    CalculationUnit calculationUnit(std::optional<CalculationUnit> (*find)(std::string_view),
                                    const Quantity& quantity, const std::string& typed,
                                    std::string_view option) {
        if (const std::optional<CalculationUnit> unit = find(typed)) {
            return *unit;
        }
        unitOf(quantity, typed, option);  // says which units come nearest
        throw usageError(std::string(option) + ": " + inQuotes(typed) +
                         " is no unit this calculation takes");
    }

    CLI::App app_;
    Choices choices_;
    Task task_;
    bool derive_ = false;
    std::vector<Task> derivedTasks_;
};

}  // namespace
}  // namespace nimbaro::cli

namespace {

// Descriptors 0 to 2 are open before anything else is, so that no file the program opens
// takes the place of one (the report of a log written into its output). A closed one gets
// /dev/null, opened the other way round, so that using it still fails as it would have.
void openStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF) {
            ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
        }
    }
}

// What is still buffered for standard output (the help, say) goes out; a full disk or a
// closed output is an error, never a success.
int finishStandardOutput(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        nimbaro::cli::complain(std::string("cannot write standard output: ") +
                               std::strerror(errno));
        return status == nimbaro::cli::kSuccess || status == nimbaro::cli::kBadRows
                   ? nimbaro::cli::kUsageError
                   : status;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace nimbaro::cli;
    openStandardDescriptors();
    setUpSignals();
    int status = kInternalError;
    try {
        CommandLine commandLine;
        status = commandLine.run(argc, argv);
    } catch (const Failure& failure) {
        complain(failure.what());
        status = failure.status();
    } catch (const std::exception& fault) {
        complain(std::string("internal error: ") + fault.what());
    }
    return finishStandardOutput(status);
}
