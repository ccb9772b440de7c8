#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace nimbaro {

// The value of every output of one calculation, in the order of its outputs.
using OutputValues = std::vector<double>;

// Runs `compute` and returns its values, or nothing when the computation met a fault: an
// overflow, a division by zero or an invalid operation (the logarithm of zero or of a
// negative number, 0 / 0 and the like) anywhere in it, or a value that is not finite. An
// underflow is no fault: it reads as zero, as it should. A value that cannot be shown as a
// result (isShowable) is a fault too.
std::optional<OutputValues> computeGuarded(const std::function<OutputValues()>& compute);

}  // namespace nimbaro
