#include "calculations.h"

#include <algorithm>
#include <cmath>

#include "calculations/method_parts.h"
#include "guarded_computation.h"
#include "number_text.h"

namespace nimbaro {

namespace {

// The outputs and note of the numbers, or why there are none; the caller guards the arithmetic
// of the formula and the notes, which are judged with the formula's own arithmetic.
Outcome<Calculated> calculateUnguarded(const MethodInfo& info, const InputNumbers& numbers,
                                       const UnitChoice& units, Judging judging) {
    if (const std::optional<InputFault> fault = brokenCheck(info, numbers)) {
        return *fault;
    }
    Calculated calculated;
    calculated.method = info.method;
    calculated.typed.units = units;
    // Only what the method reads, so that nothing else in `numbers` can reach a formula or a
    // note.
    for (const Input input : info.inputs) {
        calculated.typed.numbers.set(input, numbers[input]);
    }
    calculated.values = info.formula(calculated.typed);
    if (!std::all_of(calculated.values.begin(), calculated.values.end(), isShowable)) {
        return ComputationFault{};
    }
    if (judging == Judging::Notes) {
        calculated.note = firstNote(info, calculated.typed, calculated.values);
    }
    return calculated;
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
    Outcome<Calculated> outcome = calculateUnguarded(info, numbers, units, judging);
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
        outcomes[i] = calculateUnguarded(info, numbers[i], units, judging);
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

Outcome<Calculated> calculate(Method method, const Readings& readings, const UnitChoice& units) {
    auto numbers = readChecked(methodInfo(method), readings);
    if (const auto* fault = std::get_if<InputFault>(&numbers)) {
        return *fault;
    }
    return calculate(method, std::get<InputNumbers>(numbers), units);
}

}  // namespace nimbaro
