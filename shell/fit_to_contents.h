#pragma once

class QWidget;

namespace nimbaro {

// Widens and heightens `container` where its children reach past its edges, so that a
// caption that grew to fit a wider font is never clipped. Frames inside are fitted first.
void growToFitChildren(QWidget* container);

}  // namespace nimbaro
