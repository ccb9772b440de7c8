#pragma once

class QApplication;

namespace nimbaro {

// The look every window shares: the program icon and the desktop's own font, at the size the
// user chose; the layouts grow with that size (twip_geometry.h).
void applyApplicationStyle(QApplication& application);

}  // namespace nimbaro
