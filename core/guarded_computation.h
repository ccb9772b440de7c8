#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "number_locale.h"

namespace nimbaro {

// The value of every output of one calculation, in the order of the window's labels.
using OutputValues = std::vector<double>;

// Runs `compute` and returns its values, or nothing when the computation met a fault: an
// overflow, a division by zero or an invalid operation (the logarithm of zero or of a
// negative number, 0 / 0 and the like) anywhere in it, or a value that is not finite. An
// underflow is no fault: it reads as zero, as it should.
std::optional<OutputValues> computeGuarded(const std::function<OutputValues()>& compute);

// The plain number text of every value, or nothing when one of them cannot be an output
// (outputNumberText), so that a window writes all of its outputs or none.
std::optional<std::vector<std::string>> plainNumberTexts(const OutputValues& values,
                                                         const NumberLocale& locale);

}  // namespace nimbaro
