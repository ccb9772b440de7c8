#pragma once

#include <QFontInfo>
#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "twips.h"

namespace nimbaro {

// The layouts were drawn for an 8 pt font, at which 15 twips make a logical pixel. A larger
// desktop font enlarges every position and size in step, as a form grows with the font
// setting, so that a larger font still reads as the same layout.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr qreal kLayoutPointSize = 8.0;

// How many times larger than drawn the layouts are at the application font: 1 at 8 pt, 1.5 at
// 12 pt.
inline qreal layoutScale() {
    const QFont font = QGuiApplication::font();
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    return points / kLayoutPointSize;
}

inline int twipsToPixels(int twips) {
    return qRound(twips * layoutScale() / kTwipsPerPixel);
}

inline int pixelsToTwips(int pixels) {
    return qRound(pixels * kTwipsPerPixel / layoutScale());
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
