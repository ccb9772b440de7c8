#pragma once

#include "twips.h"

class QWidget;

namespace nimbaro {

// The room a grown container keeps beyond its farthest child.
inline constexpr int kFitMarginTwips = 120;

// Widens and heightens `container` where its children reach past its edges, so that a
// caption that grew to fit a wider font is never clipped. Frames inside are fitted first.
void growToFitChildren(QWidget* container);

// Places `control` at `rect`, grown wherever its natural size needs more room.
void placeGrownToFit(QWidget* control, TwipRect rect);

}  // namespace nimbaro
