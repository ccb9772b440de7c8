#pragma once

#include <QString>

#include "window_rules.h"

namespace nimbaro::test {

// The exact outcome of "&Calculate" on the calculation window with that object name, worked
// out from the screen before the click with the core formulas: the messages of the window's
// checks in its order, the fault message, the result check and the formatted outputs. Empty
// for any other window.
Expectation calculationExpectation(const QString& windowName);

}  // namespace nimbaro::test
