#include "calculations.h"

#include <algorithm>

#include "calculations/method_parts.h"
#include "guarded_computation.h"
#include "number_text.h"

namespace nimbaro {

namespace {

// The outputs and note of the numbers, or why there are none; the caller guards the arithmetic
// of the formula and the notes, which are judged with the formula's own arithmetic.
Outcome<Calculated> calculateUnguarded(const MethodInfo& info, const InputNumbers& numbers,
                                       const UnitChoice& units) {
    if (const std::optional<InputFault> fault = brokenCheck(info, numbers)) {
        return *fault;
    }
    // Only what the method reads, so that nothing else in `numbers` can reach a formula or a
    // note.
    Typed typed{.numbers = {}, .units = units};
    for (const Input input : info.inputs) {
        typed.numbers.set(input, numbers[input]);
    }
    Calculated calculated;
    calculated.values = info.formula(typed);
    if (!std::all_of(calculated.values.begin(), calculated.values.end(), isShowable)) {
        return ComputationFault{};
    }
    calculated.note = firstNote(info, typed, calculated.values);
    return calculated;
}

void judgeRisk(const MethodInfo& info, Outcome<Calculated>& outcome) {
    if (auto* calculated = std::get_if<Calculated>(&outcome)) {
        calculated->risk = riskOf(info.risk, calculated->values);
    }
}

}  // namespace

Outcome<Calculated> calculate(Method method, const InputNumbers& numbers, const UnitChoice& units) {
    const MethodInfo& info = methodInfo(method);
    testAndClearFaults();
    Outcome<Calculated> outcome = calculateUnguarded(info, numbers, units);
    // A fault can only come from a formula that ran.
    if (testAndClearFaults() && std::holds_alternative<Calculated>(outcome)) {
        return ComputationFault{};
    }
    judgeRisk(info, outcome);
    return outcome;
}

void calculate(Method method, std::span<const InputNumbers> numbers, const UnitChoice& units,
               std::span<Outcome<Calculated>> outcomes) {
    const MethodInfo& info = methodInfo(method);
    testAndClearFaults();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        outcomes[i] = calculateUnguarded(info, numbers[i], units);
    }
    // The flags tell that something faulted, not what: then each element again on its own.
    const bool faulted = testAndClearFaults();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (faulted) {
            outcomes[i] = calculate(method, numbers[i], units);
        } else {
            judgeRisk(info, outcomes[i]);
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
