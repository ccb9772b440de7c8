#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "twips.h"

namespace nimbaro {

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QPoint toPixels(TwipPoint point) {
    return {twipsToPixels(point.left), twipsToPixels(point.top)};
}

inline QSize toPixels(TwipSize size) {
    return {twipsToPixels(size.width), twipsToPixels(size.height)};
}

inline QRect toPixels(TwipRect rect) {
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
            twipsToPixels(rect.height)};
}

}  // namespace nimbaro
