// The rules a method applies to its inputs before it computes.
#include <cmath>

#include "method_parts.h"
#include "number_text.h"

namespace nimbaro {

std::variant<InputNumbers, InputFault> readChecked(const MethodInfo& method,
                                                   const Readings& readings) {
    InputNumbers numbers;
    for (const Check& check : method.checks) {
        if (check.rule == Rule::Number) {
            const std::optional<double> parsed =
                parseNumber(readings.text(check.input), readings.locale());
            if (!parsed) {
                return InputFault{check.input, check.rule};
            }
            numbers.set(check.input, *parsed);
        } else if (!meetsRule(check.rule, numbers[check.input])) {
            return InputFault{check.input, check.rule};
        }
    }
    return numbers;
}

}  // namespace nimbaro
