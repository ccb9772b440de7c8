#include "guarded_computation.h"

#include <cfenv>

namespace nimbaro {
namespace {

constexpr int kFaults = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

}  // namespace

// Clearing the flags rewrites the whole floating-point environment, which costs more than a
// calculation on a log's row; testing them only reads it.
bool testAndClearFaults() {
    const bool raised = std::fetestexcept(kFaults) != 0;
    if (raised) {
        std::feclearexcept(kFaults);
    }
    return raised;
}

}  // namespace nimbaro
