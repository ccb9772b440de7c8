#pragma once

#include <algorithm>
#include <optional>

#include "guarded_computation.h"
#include "number_text.h"
#include "output_values.h"

namespace nimbaro {

// Runs `compute` and returns its values, or nothing when the computation met a fault anywhere
// in it, or gave a value that cannot be shown as a result (isShowable): one that is not finite,
// or whose text would not read back.
template <typename Compute>
std::optional<OutputValues> computeGuarded(Compute&& compute) {
    testAndClearFaults();
    const OutputValues values = compute();
    const bool faulted = testAndClearFaults();
    if (faulted || !std::all_of(values.begin(), values.end(), isShowable)) {
        return std::nullopt;
    }
    return values;
}

}  // namespace nimbaro
