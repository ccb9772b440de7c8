#include "guarded_computation.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

#include "number_text.h"

namespace nimbaro {
namespace {

constexpr int kFaults = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

// Clearing the flags rewrites the whole floating-point environment, which costs more than a
// calculation on a log's row; testing them only reads it.
bool testAndClearFaults() {
    const bool raised = std::fetestexcept(kFaults) != 0;
    if (raised) {
        std::feclearexcept(kFaults);
    }
    return raised;
}

}  // namespace

std::optional<OutputValues> computeGuarded(const std::function<OutputValues()>& compute) {
    testAndClearFaults();
    OutputValues values = compute();
    const bool faulted = testAndClearFaults();
    if (faulted || !std::all_of(values.begin(), values.end(), isShowable)) {
        return std::nullopt;
    }
    return values;
}

}  // namespace nimbaro
