#include "command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "help_texts.h"
#include "log_run.h"
#include "method_choice.h"
#include "number_locales.h"
#include "number_text.h"
#include "options.h"
#include "refusals.h"
#include "single_value.h"
#include "task.h"
#include "text_match.h"

namespace nimbaro::cli {
namespace {

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
        if (const CalculationTask* calculation = task_.calculation();
            calculation != nullptr && calculation->airPressureAssumed) {
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
            task_.what.emplace<ConversionTask>().quantity = &quantity;
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
            task_.what.emplace<CalculationTask>().calculation = &calculation;
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
            task_.what = WindDirectionTask{};
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
            CalculationTask& derived = task.what.emplace<CalculationTask>(CalculationTask{
                .calculation = calculation,
                .method = choice.method->method,
                .units = chosenUnits(),
                .airPressureAssumed = choice.airPressureAssumed,
            });
            task.noteColumns = !choices_.noNotes;
            task.symbols = choices_.symbols;
            task.notesInChosenUnits = choices_.userLocale;
            InputTexts columnNames = choices_.inputs;
            if (derived.airPressureAssumed) {
                derived.units.pressure = PressureUnit::Hectopascals;
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
        if (task_.isWindDirection()) {
            if (choices_.inputs[static_cast<std::size_t>(Input::Value)].empty()) {
                throw usageError("wind-direction: give the direction (with --csv: --value)");
            }
            return;
        }
        if (task_.conversion() != nullptr) {
            if (choices_.inputs[static_cast<std::size_t>(Input::Value)].empty() ||
                choices_.unit.empty()) {
                throw usageError(task_.command + ": give the value and its unit");
            }
            return;
        }
        CalculationTask& task = std::get<CalculationTask>(task_.what);
        const CalculationInfo& calculation = *task.calculation;
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
            task.method = choice.method->method;
            task.airPressureAssumed = choice.airPressureAssumed;
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
        if (auto* conversion = std::get_if<ConversionTask>(&task_.what)) {
            conversion->fromUnit = unitOf(*conversion->quantity, choices_.unit, "unit");
            if (!choices_.toUnits.empty()) {
                for (const std::string_view unit : commaSeparated(choices_.toUnits)) {
                    chooseOutput(task_, unitOf(*conversion->quantity, unit, "--to"), unit);
                }
            }
            return;
        }
        task_.noteColumns = !choices_.noNotes;
        auto* calculation = std::get_if<CalculationTask>(&task_.what);
        if (calculation == nullptr) {
            return;
        }
        if (!choices_.toUnits.empty()) {
            chooseCalculationOutputs(*calculation->calculation);
        }
        calculation->units = chosenUnits();
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
        std::get<CalculationTask>(task_.what).units.pressure = PressureUnit::Hectopascals;
        const std::string standard = numberToText(kStandardAirPressure, locale);
        choices_.inputs[static_cast<std::size_t>(Input::AirPressure)] =
            choices_.log.input.empty() ? standard : "=" + standard;
    }

    // The outputs --to names, among the calculation's outputs, which share one quantity.
    void chooseCalculationOutputs(const CalculationInfo& calculation) {
        const std::span<const UnitRef> outputs = calculation.outputs;
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

int runCommandLine(int argc, char** argv) {
    CommandLine commandLine;
    return commandLine.run(argc, argv);
}

}  // namespace nimbaro::cli
