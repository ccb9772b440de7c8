#include "guarded_computation.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

#include "number_text.h"

namespace nimbaro {
namespace {

constexpr int kFaults = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

}  // namespace

std::optional<OutputValues> computeGuarded(const std::function<OutputValues()>& compute) {
    std::feclearexcept(kFaults);
    OutputValues values = compute();
    const bool faulted = std::fetestexcept(kFaults) != 0;
    std::feclearexcept(kFaults);
    if (faulted || !std::all_of(values.begin(), values.end(), isShowable)) {
        return std::nullopt;
    }
    return values;
}

}  // namespace nimbaro
