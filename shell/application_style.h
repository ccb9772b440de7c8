#pragma once

class QApplication;

namespace nimbaro {

// The look every window shares: the program icon and the desktop's own font, at the size the
// user chose; the layouts grow with that size (twip_geometry.h).
void applyApplicationStyle(QApplication& application);

// The same for the program itself, which gives the program icon to the application only as its
// first window is about to be shown, once that window's native window exists. On X11 a window
// made while the application has an icon receives the whole icon twice, every size of it (as
// the platform makes the window and again as the widget takes the icon); the first window then
// receives it once, still before it is mapped. Every window has the icon from then on.
void applyApplicationStyleAtFirstWindow(QApplication& application);

}  // namespace nimbaro
