#include "calculations.h"

#include "calculations/method_parts.h"
#include "guarded_computation.h"

namespace nimbaro {

Outcome<Calculated> calculate(Method method, const InputNumbers& numbers, const UnitChoice& units) {
    const MethodInfo& info = methodInfo(method);
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
    // The notes are judged inside the guard: their arithmetic is the formula's own.
    const std::optional<OutputValues> values = computeGuarded([&] {
        const OutputValues computed = info.formula(typed);
        calculated.note = firstNote(info, typed, computed);
        return computed;
    });
    if (!values) {
        return ComputationFault{};
    }
    calculated.values = *values;
    calculated.risk = riskOf(info.risk, calculated.values);
    return calculated;
}

Outcome<Calculated> calculate(Method method, const Readings& readings, const UnitChoice& units) {
    auto numbers = readChecked(methodInfo(method), readings);
    if (const auto* fault = std::get_if<InputFault>(&numbers)) {
        return *fault;
    }
    return calculate(method, std::get<InputNumbers>(numbers), units);
}

}  // namespace nimbaro
