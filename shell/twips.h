#pragma once

namespace nimbaro {

// Positions and sizes of the window layouts, in twips (1440 to the inch). A width or height
// of 0 means "the control's natural size".
struct TwipPoint {
    int left = 0;
    int top = 0;
};

struct TwipSize {
    int width = 0;
    int height = 0;
};

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

}  // namespace nimbaro
