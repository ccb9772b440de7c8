#include "program_icon.h"

#include <QIconEngine>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <map>
#include <utility>

#include "program_icon_pixels.h"

namespace nimbaro {
namespace {

// A rendering's pixels, decoded from their runs.
QImage decoded(const IconPixels& rendering) {
    QImage image(rendering.edge, rendering.edge, QImage::Format_ARGB32_Premultiplied);
    // A 32-bit image has no padding at the ends of its rows.
    auto* pixel = reinterpret_cast<quint32*>(image.bits());
    quint32* const end = pixel + qsizetype(rendering.edge) * rendering.edge;
    for (const PixelRun& run : rendering.runs) {
        pixel = std::fill_n(pixel, std::min<qsizetype>(run.count, end - pixel), run.pixel);
    }
    std::fill(pixel, end, 0);
    return image;
}

// The icon's renderings are compiled in as runs of pixels, one set per edge length; decoding
// them costs a fraction of reading PNG files. The X11 platform asks for every size, at its own
// edge length, as each window is created: the first time a rendering is asked for that way it
// is decoded for that one request and not kept, so that a program that shows only its main
// menu holds no decoded icon. Any later request, and any other (another size, a disabled look,
// painting), goes to an icon of the rendering that serves it, decoded then and kept.
class ProgramIconEngine : public QIconEngine {
  public:
    ProgramIconEngine() {
        for (const IconPixels& pixels : iconRenderingPixels()) {
            renderings_[pixels.edge] = {&pixels, false, QIcon()};
        }
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        renderingFor(rect.size() * scale).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return renderingFor(size).actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (mode == QIcon::Normal && size.width() == size.height()) {
            const auto exact = renderings_.find(size.width());
            if (exact != renderings_.end() && exact->second.icon.isNull() &&
                !std::exchange(exact->second.askedBefore, true)) {
                return QPixmap::fromImage(decoded(*exact->second.pixels));
            }
        }
        return renderingFor(size).pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& [edge, rendering] : renderings_) {
            sizes.append(QSize(edge, edge));
        }
        return sizes;
    }
    bool isNull() override { return renderings_.empty(); }
    QIconEngine* clone() const override { return new ProgramIconEngine; }

  private:
    struct Rendering {
        const IconPixels* pixels;
        bool askedBefore;
        QIcon icon;  // null until kept
    };

    // The smallest rendering that covers `size`, or the largest.
    const QIcon& renderingFor(QSize size) {
        static const QIcon none;
        if (renderings_.empty()) {
            return none;
        }
        auto chosen = renderings_.lower_bound(std::max(size.width(), size.height()));
        if (chosen == renderings_.end()) {
            chosen = std::prev(renderings_.end());
        }
        Rendering& rendering = chosen->second;
        if (rendering.icon.isNull()) {
            rendering.icon = QIcon(QPixmap::fromImage(decoded(*rendering.pixels)));
        }
        return rendering.icon;
    }

    // Edge length to the rendering.
    std::map<int, Rendering> renderings_;
};

}  // namespace

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}

}  // namespace nimbaro
