#include "calculations.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calculations/method_parts.h"
#include "guarded_computation.h"
#include "number_text.h"

namespace nimbaro {

namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

constexpr std::size_t index(Input input) {
    return static_cast<std::size_t>(input);
}

// isShowable() for the cost of one comparison for nearly every value: below 1e308 a value is
// always showable; only the rest needs the full test.
bool showable(double value) {
    return std::fabs(value) < 1e308 || isShowable(value);
}

// Clears each element whose number in `column` breaks the rule: one check over a whole column,
// the rule known to the compiler, in a loop it can keep tight.
template <Rule kRule>
void keepWhere(const double* column, std::span<bool> kept) {
    for (std::size_t i = 0; i < kept.size(); ++i) {
        kept[i] = kept[i] && meetsRule(kRule, column[i]);
    }
}

// The outputs and note of the numbers, or why there are none, into `outcome`: made in place, as
// a copy of a whole Calculated costs more than most formulas. The caller guards the arithmetic
// of the formula and the notes, which are judged with the formula's own arithmetic.
void calculateUnguarded(const MethodInfo& info, const InputNumbers& numbers,
                        const UnitChoice& units, Judging judging, Outcome<Calculated>& outcome) {
    if (const std::optional<InputFault> fault = brokenCheck(info, numbers)) {
        outcome = *fault;
        return;
    }
    // A fresh result copied from a constant one rather than cleared in place: the compiler
    // clears a whole Calculated with a string instruction slow to start.
    static constexpr Calculated kFresh{};
    Calculated& calculated = outcome.emplace<Calculated>(kFresh);
    calculated.method = info.method;
    calculated.typed.units = units;
    // Only what the method reads, so that nothing else in `numbers` can reach a formula or a
    // note.
    for (const Input input : info.inputs) {
        calculated.typed.numbers.set(input, numbers[input]);
    }
    calculated.values = info.formula(calculated.typed);
    if (!std::all_of(calculated.values.begin(), calculated.values.end(), showable)) {
        outcome = ComputationFault{};
        return;
    }
    if (judging == Judging::Notes) {
        calculated.note = firstNote(info, calculated.typed, calculated.values);
    }
}

// The reference's value of the compared output where it lies beyond the tolerance. The
// reference runs under a guard of its own: where it faults, the result stands without a note.
std::optional<double> distantReference(const ReferenceCheck& check, const Calculated& calculated) {
    testAndClearFaults();
    const std::size_t output = outputPlace(methodInfo(calculated.method), check.output);
    const double reference = methodInfo(check.reference).formula(calculated.typed)[output];
    if (testAndClearFaults() || !isShowable(reference) ||
        !(std::fabs(reference - calculated.values[output]) > check.tolerance)) {
        return std::nullopt;
    }
    return reference;
}

// What the result means beyond its digits: its risk, its reference and its implausible inputs.
void judge(const MethodInfo& info, Outcome<Calculated>& outcome) {
    auto* calculated = std::get_if<Calculated>(&outcome);
    if (calculated == nullptr) {
        return;
    }
    const Typed& typed = calculated->typed;
    if (!calculated->note) {
        calculated->risk = riskOf(info, typed, calculated->values);
    }
    if (info.comparedWith) {
        calculated->reference = distantReference(*info.comparedWith, *calculated);
    }
    for (const Input input : info.inputs) {
        calculated->implausible[static_cast<std::size_t>(input)] = implausible(input, typed);
    }
}

}  // namespace

UnitRef typedUnit(Input input, const UnitChoice& units) {
    return chosenUnit(*inputInfo(input).unit, units);
}

UnitRef chosenUnit(UnitRef own, const UnitChoice& units) {
    for (const UnitRef chosen : {UnitRef(units.temperature), UnitRef(units.pressure),
                                 UnitRef(units.windSpeed), UnitRef(units.length)}) {
        if (chosen.quantity == own.quantity) {
            return chosen;
        }
    }
    return own;
}

Outcome<Calculated> calculate(Method method, const InputNumbers& numbers, const UnitChoice& units,
                              Judging judging) {
    const MethodInfo& info = methodInfo(method);
    testAndClearFaults();
    Outcome<Calculated> outcome = ComputationFault{};
    calculateUnguarded(info, numbers, units, judging, outcome);
    // A fault can only come from a formula that ran.
    if (testAndClearFaults() && std::holds_alternative<Calculated>(outcome)) {
        return ComputationFault{};
    }
    if (judging == Judging::Notes) {
        judge(info, outcome);
    }
    return outcome;
}

void calculate(Method method, std::span<const InputNumbers> numbers, const UnitChoice& units,
               std::span<Outcome<Calculated>> outcomes, Judging judging) {
    const MethodInfo& info = methodInfo(method);
    testAndClearFaults();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        calculateUnguarded(info, numbers[i], units, judging, outcomes[i]);
    }
    // The flags tell that something faulted, not what: then each element again on its own.
    const bool faulted = testAndClearFaults();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (faulted) {
            outcomes[i] = calculate(method, numbers[i], units, judging);
        } else if (judging == Judging::Notes) {
            judge(info, outcomes[i]);
        }
    }
}

void calculateOutputs(Method method, const UnitChoice& units, std::size_t count,
                      const ElementColumns& columns, std::span<bool> computed) {
    const MethodInfo& info = methodInfo(method);
    const std::size_t outputs = info.outputs.size();
    std::array<std::size_t, kMaxOutputs> wanted{};
    std::size_t wantedCount = 0;
    for (std::size_t k = 0; k < outputs; ++k) {
        if (columns.outputs[k] != nullptr) {
            wanted[wantedCount++] = k;
        }
    }
    const auto computeRun = [&] {
        std::fill_n(computed.begin(), count, true);
        for (const Check& check : info.checks) {
            const double* column = columns.inputs[index(check.input)];
            switch (check.rule) {
                case Rule::Number:
                    keepWhere<Rule::Number>(column, computed.first(count));
                    break;
                case Rule::HumidityRange:
                    keepWhere<Rule::HumidityRange>(column, computed.first(count));
                    break;
                case Rule::NotNegative:
                    keepWhere<Rule::NotNegative>(column, computed.first(count));
                    break;
                case Rule::GreaterThanZero:
                    keepWhere<Rule::GreaterThanZero>(column, computed.first(count));
                    break;
            }
        }
        Typed typed;
        typed.units = units;
        for (std::size_t i = 0; i < count; ++i) {
            if (!computed[i]) {
                for (std::size_t k = 0; k < wantedCount; ++k) {
                    columns.outputs[wanted[k]][i] = kNoValue;
                }
                continue;
            }
            for (const Input input : info.inputs) {
                typed.numbers.set(input, columns.inputs[index(input)][i]);
            }
            const OutputValues values = info.formula(typed);
            const bool shown = std::all_of(values.begin(), values.end(), showable);
            computed[i] = shown;
            for (std::size_t k = 0; k < wantedCount; ++k) {
                columns.outputs[wanted[k]][i] = shown ? values[wanted[k]] : kNoValue;
            }
        }
    };
    testAndClearFaults();
    computeRun();
    if (!testAndClearFaults()) {
        return;
    }
    // The flags tell that something faulted, not what: then each element again on its own.
    for (std::size_t i = 0; i < count; ++i) {
        InputNumbers numbers;
        for (const Input input : info.inputs) {
            numbers.set(input, columns.inputs[index(input)][i]);
        }
        const Outcome<Calculated> outcome = calculate(method, numbers, units, Judging::OutputsOnly);
        const auto* calculated = std::get_if<Calculated>(&outcome);
        computed[i] = calculated != nullptr;
        for (std::size_t k = 0; k < wantedCount; ++k) {
            columns.outputs[wanted[k]][i] =
                calculated != nullptr ? calculated->values[wanted[k]] : kNoValue;
        }
    }
}

Outcome<Calculated> calculate(Method method, const Readings& readings, const UnitChoice& units) {
    auto numbers = readChecked(methodInfo(method), readings);
    if (const auto* fault = std::get_if<InputFault>(&numbers)) {
        return *fault;
    }
    return calculate(method, std::get<InputNumbers>(numbers), units);
}

}  // namespace nimbaro
