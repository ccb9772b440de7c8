#pragma once

namespace nimbaro {

// Whether the arithmetic since the last call met a fault, forgetting it: an overflow, a
// division by zero or an invalid operation (the logarithm of zero or of a negative number,
// 0 / 0 and the like). An underflow is no fault: it reads as zero, as it should.
bool testAndClearFaults();

}  // namespace nimbaro
