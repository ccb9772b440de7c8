#pragma once

namespace nimbaro {

// Lets assistive technology read an output label as a display of a value: its name says what
// it shows ("Celsius result"), its value is the text it shows. Installed once, on first use.
void installOutputLabelAccessibility();

}  // namespace nimbaro
