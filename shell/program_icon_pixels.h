#pragma once

#include <QtGlobal>
#include <span>

namespace nimbaro {

// `count` pixels of one colour, premultiplied ARGB32.
struct PixelRun {
    quint32 pixel;
    quint32 count;
};

// One rendering of the program icon: edge × edge pixels, row after row, as runs of one colour
// (the icon is drawn in flat colours: a tenth of the size of its pixels).
struct IconPixels {
    int edge;
    std::span<const PixelRun> runs;
};

// Every rendering of the icon, made at build time from its PNG renderings.
std::span<const IconPixels> iconRenderingPixels();

}  // namespace nimbaro
