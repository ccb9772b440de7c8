// nimbaro-calc: every conversion and calculation of Nimbaro's windows from the command line,
// for one value or for every row of a CSV log, with the digits the windows show.

#include <CLI/CLI.hpp>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "log_run.h"
#include "number_locales.h"
#include "single_value.h"
#include "task.h"

namespace nimbaro::cli {
namespace {

// What the options of the chosen subcommand hold; only one subcommand runs.
struct Choices {
    InputTexts inputs;
    std::string unit;
    std::string toUnit;
    std::string temperatureUnit = "C";
    std::string pressureUnit = "hPa";
    std::string speedUnit = "km/h";
    bool oldFormula = false;
    std::optional<std::string> formula;
    std::string direction;
    bool json = false;
    bool userLocale = false;
    LogOptions log;
    std::string delimiter = ",";
};

std::string unitList(const Quantity& quantity, bool (*accepted)(std::string_view)) {
    std::string list;
    for (const Unit& unit : quantity.units) {
        if (!accepted(unit.id)) {
            continue;
        }
        list += "\n  " + std::string(unit.label) + ": " + std::string(unit.id) + ", " +
                std::string(unit.symbol);
        for (const std::string_view synonym : unit.synonyms) {
            list += ", " + std::string(synonym);
        }
    }
    return list;
}

bool anyUnit(std::string_view) {
    return true;
}
bool temperatureUnit(std::string_view id) {
    return findTemperatureUnit(id).has_value();
}
bool pressureUnit(std::string_view id) {
    return findPressureUnit(id).has_value();
}
bool speedUnit(std::string_view id) {
    return findWindSpeedUnit(id).has_value();
}

void addCommonOptions(CLI::App& command, Choices& choices, bool json) {
    if (json) {
        command.add_flag("--json", choices.json, "Print one JSON object instead of lines");
    }
    command.add_flag("--locale", choices.userLocale,
                     "Read and write numbers in the regional format of LC_ALL, LC_NUMERIC or "
                     "LANG, as the windows do");
    command.add_option("--csv", choices.log.input,
                       "Compute every row of this CSV log (- for standard input); the value "
                       "options then name columns by header or 1-based number");
    command.add_option("-o,--output", choices.log.output,
                       "With --csv: write to this file, replaced only once complete");
    command.add_option("--delimiter", choices.delimiter, "With --csv: the field separator")
        ->capture_default_str();
    command.add_flag("--strict", choices.log.strict,
                     "With --csv: stop at the first row without results (exit status 2)");
    command.add_flag("--quiet", choices.log.quiet, "With --csv: no progress bar");
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
        const std::string set = inputSet(method);
        if (list.find(set) == std::string::npos) {
            list += "\n  " + set;
        }
    }
    return list;
}

// Every formula of a calculation as --formula names it: "window, nws, psychrometric".
std::string formulaNames(const CalculationInfo& calculation) {
    std::vector<std::string> names = {formulaName({})};
    for (const MethodInfo& method : calculation.references) {
        const std::string name = formulaName(method.references);
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
    }
    std::string list;
    for (const std::string& name : names) {
        list += (list.empty() ? "" : ", ") + name;
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

bool readsAny(const CalculationInfo& calculation, std::initializer_list<Input> inputs) {
    return std::any_of(
        calculation.methods.begin(), calculation.methods.end(), [&](const MethodInfo& method) {
            return std::any_of(inputs.begin(), inputs.end(),
                               [&](Input input) { return reads(method.method, input); });
        });
}

// The subcommands and what each one computes once parsed.
class CommandLine {
  public:
    CommandLine() : app_("Nimbaro's conversions and calculations, for one value or a CSV log") {
        app_.name("nimbaro-calc");
        app_.require_subcommand(1);
        app_.footer(
            "Exit status: 0 done; 1 some rows of a log have no results; 2 usage or input "
            "error; 3 no result can be computed from the inputs. See nimbaro-calc(1).\n");
        CLI::App* convert = app_.add_subcommand("convert", "Convert a value into every unit");
        convert->require_subcommand(1);
        for (const Quantity* quantity : quantities()) {
            addConversion(*convert, *quantity);
        }
        CLI::App* direction =
            app_.add_subcommand("wind-direction", "Range, mid-point and point of a wind direction");
        direction
            ->add_option("DIRECTION", choices_.direction,
                         "Degrees (0 to 360) or a compass point (SSW, South South West)")
            ->required();
        direction->add_flag("--json", choices_.json, "Print one JSON object instead of lines");
        direction->add_flag("--locale", choices_.userLocale,
                            "Read and write numbers in the regional format, as the windows do");
        direction->callback([this] { windDirection_ = true; });
        for (const CalculationInfo& calculation : calculations()) {
            addCalculation(calculation);
        }
    }

    int run(int argc, char** argv) {
        const auto named = [&](const CLI::App* command) { return command->check_name(argv[1]); };
        if (argc > 1 && argv[1][0] != '-' && app_.get_subcommands(named).empty()) {
            complain("no command is named " + inQuotes(argv[1]) + "; --help lists them");
            return kUsageError;
        }
        try {
            app_.parse(argc, argv);
        } catch (const CLI::ParseError& error) {
            const int status = app_.exit(error);
            return status == 0 ? kSuccess : kUsageError;
        }
        const NumberLocale locale = choices_.userLocale ? userNumberLocale() : plainNumberLocale();
        const Format format = choices_.json ? Format::Json : Format::Lines;
        if (windDirection_) {
            return runWindDirection(choices_.direction, locale, format);
        }
        try {
            chooseMethod();
            chooseUnits();
        } catch (const std::invalid_argument& error) {
            complain(error.what());
            return kUsageError;
        }
        if (choices_.log.input.empty()) {
            if (!choices_.log.output.empty()) {
                complain("-o needs --csv: a single value is printed on standard output");
                return kUsageError;
            }
            return runSingle(task_, choices_.inputs, locale, format);
        }
        if (choices_.json || choices_.delimiter.size() != 1) {
            complain(choices_.json ? "--json is for a single value, not --csv"
                                   : "--delimiter must be one character");
            return kUsageError;
        }
        choices_.log.delimiter = choices_.delimiter.front();
        return runLog(task_, choices_.inputs, locale, choices_.log);
    }

  private:
    void addConversion(CLI::App& convert, const Quantity& quantity) {
        CLI::App* command = convert.add_subcommand(
            std::string(quantity.id),
            std::string(quantity.name) + " in every unit, or in one with --to");
        std::string& value = choices_.inputs[static_cast<std::size_t>(Input::Value)];
        CLI::Option* valueArgument = command->add_option("VALUE", value, "The value to convert");
        CLI::Option* unitArgument = command->add_option("UNIT", choices_.unit, "Its unit");
        command->add_option("--value", value, "The value to convert (with --csv: its column)")
            ->excludes(valueArgument);
        command->add_option("--unit", choices_.unit, "Its unit")->excludes(unitArgument);
        command->add_option("--to", choices_.toUnit, "Print only this unit");
        addCommonOptions(*command, choices_, true);
        command->footer("Units, by name, id or symbol, in any case:" + unitList(quantity, anyUnit) +
                        "\n");
        command->callback([this, &quantity] {
            task_.command = "convert " + std::string(quantity.id);
            task_.quantity = &quantity;
        });
    }

    void addCalculation(const CalculationInfo& calculation) {
        CLI::App* command = app_.add_subcommand(std::string(calculation.id),
                                                "Compute the " + lowerCase(calculation.name));
        for (std::size_t i = 0; i < kInputCount; ++i) {
            const auto input = static_cast<Input>(i);
            if (readsAny(calculation, {input})) {
                const InputOption& option = inputOption(input);
                command->add_option(
                    std::string(option.option), choices_.inputs[i],
                    "The " + std::string(option.name) + " (with --csv: its column)");
            }
        }
        std::string footer =
            "Input sets (the options given choose the method):" + methodList(calculation);
        using enum Input;
        if (readsAny(calculation, {AirTemperature, DewPoint, WetBulb})) {
            command->add_option("--unit", choices_.temperatureUnit, "The temperatures' unit")
                ->capture_default_str();
            footer += "\nTemperature units:" + unitList(temperatureQuantity(), temperatureUnit);
        }
        if (readsAny(calculation, {AirPressure})) {
            command->add_option("--pressure-unit", choices_.pressureUnit, "The pressure's unit")
                ->capture_default_str();
            footer += "\nPressure units:" + unitList(airPressureQuantity(), pressureUnit);
        }
        if (readsAny(calculation, {WindSpeed})) {
            command->add_option("--speed-unit", choices_.speedUnit, "The wind speed's unit")
                ->capture_default_str();
            footer += "\nWind speed units:" + unitList(windSpeedQuantity(), speedUnit);
        }
        if (calculation.calculation == Calculation::WindChill) {
            command->add_flag("--old-formula", choices_.oldFormula,
                              "The old wind chill formula instead of the new one");
        }
        if (calculation.references.empty()) {
            command->add_option("--formula", choices_.formula,
                                "window: the window's formula, the only one here");
        } else {
            command->add_option("--formula", choices_.formula,
                                "window: the window's formula (the default); or a reference "
                                "formula, as listed below");
            footer += "\nReference formulas (--formula), by input set:" + formulaList(calculation);
        }
        addCommonOptions(*command, choices_, true);
        command->footer(footer + "\n");
        command->callback([this, &calculation] {
            task_.command = std::string(calculation.id);
            task_.calculation = &calculation;
        });
    }

    static std::string lowerCase(std::string_view name) {
        std::string lower(name);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
        return lower;
    }

    // The method whose inputs are exactly the ones given.
    void chooseMethod() {
        if (task_.quantity != nullptr) {
            if (choices_.inputs[static_cast<std::size_t>(Input::Value)].empty() ||
                choices_.unit.empty()) {
                throw std::invalid_argument(task_.command + ": give the value and its unit");
            }
            return;
        }
        const CalculationInfo& calculation = *task_.calculation;
        const std::string formula = choices_.formula.value_or(formulaName({}));
        const std::optional<References> formulas = findFormulas(formula);
        if (!formulas) {
            throw std::invalid_argument("--formula: " + inQuotes(formula) + " is no formula of " +
                                        task_.command + " (" + formulaNames(calculation) + ")");
        }
        const MethodInfo* given = nullptr;
        for (const auto group : {calculation.methods, calculation.references}) {
            for (const MethodInfo& method : group) {
                bool matches = true;
                for (std::size_t i = 0; i < kInputCount; ++i) {
                    matches = matches && reads(method.method, static_cast<Input>(i)) ==
                                             !choices_.inputs[i].empty();
                }
                const bool old = method.method == Method::OldWindChill;
                if (!matches || (calculation.calculation == Calculation::WindChill &&
                                 old != choices_.oldFormula)) {
                    continue;
                }
                given = &method;
                if (method.references == *formulas) {
                    task_.method = method.method;
                    return;
                }
            }
        }
        if (given != nullptr) {
            throw std::invalid_argument("--formula " + formula + " does not apply to " +
                                        task_.command + " " + inputSet(*given) +
                                        (calculation.references.empty()
                                             ? "; it has the window's formula only"
                                             : "; --help lists the input sets of each formula"));
        }
        throw std::invalid_argument(
            task_.command + ": give one of these sets of inputs:" + methodList(calculation));
    }

    void chooseUnits() {
        if (task_.quantity != nullptr) {
            task_.fromUnit = unitOf(*task_.quantity, choices_.unit, "unit");
            if (!choices_.toUnit.empty()) {
                task_.onlyUnit = unitOf(*task_.quantity, choices_.toUnit, "--to");
            }
            return;
        }
        task_.units.temperature = known(findTemperatureUnit(choices_.temperatureUnit), "--unit",
                                        choices_.temperatureUnit, "temperature");
        task_.units.pressure = known(findPressureUnit(choices_.pressureUnit), "--pressure-unit",
                                     choices_.pressureUnit, "pressure");
        task_.units.windSpeed = known(findWindSpeedUnit(choices_.speedUnit), "--speed-unit",
                                      choices_.speedUnit, "wind speed");
    }

    std::size_t unitOf(const Quantity& quantity, const std::string& typed,
                       std::string_view option) {
        if (const std::optional<std::string_view> instead = refusedSpelling(quantity, typed)) {
            throw std::invalid_argument(std::string(option) + ": " + inQuotes(typed) + " is no " +
                                        lowerCase(quantity.name) + " unit; use " +
                                        inQuotes(*instead));
        }
        return known(findUnit(quantity, typed), option, typed, lowerCase(quantity.name));
    }

    template <typename Unit>
    Unit known(std::optional<Unit> unit, std::string_view option, const std::string& typed,
               std::string_view what) {
        if (!unit) {
            throw std::invalid_argument(std::string(option) + ": " + inQuotes(typed) + " is no " +
                                        std::string(what) + " unit; --help lists them");
        }
        return *unit;
    }

    CLI::App app_;
    Choices choices_;
    Task task_;
    bool windDirection_ = false;
};

}  // namespace
}  // namespace nimbaro::cli

int main(int argc, char** argv) {
    nimbaro::cli::CommandLine commandLine;
    return commandLine.run(argc, argv);
}
