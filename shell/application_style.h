#pragma once

class QApplication;

namespace nimbaro {

// The look every window shares: the program icon, and the font its twip positions were drawn
// for (a compact dialog font, so a larger desktop default is brought down to that size).
void applyApplicationStyle(QApplication& application);

}  // namespace nimbaro
