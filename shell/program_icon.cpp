#include "program_icon.h"

#include <QDir>
#include <QIconEngine>
#include <QPaintDevice>
#include <QPainter>
#include <map>

namespace nimbaro {
namespace {

const QString kRenderings = QStringLiteral(":/icons");

// The icon's renderings are PNG files named by their edge length. Each is read and decoded
// when a window system or a window first asks for a size it serves, not when the program
// starts: the main menu shows no icon, and a window system that asks for one size does not
// pay for the others.
class ProgramIconEngine : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        renderingFor(rect.size() * scale).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return renderingFor(size).actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return renderingFor(size).pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& [edge, rendering] : renderings()) {
            sizes.append(QSize(edge, edge));
        }
        return sizes;
    }
    bool isNull() override { return renderings().empty(); }
    QIconEngine* clone() const override { return new ProgramIconEngine; }

  private:
    // Edge length to the rendering, empty until first asked for.
    std::map<int, QIcon>& renderings() {
        if (renderings_.empty()) {
            // Listed without a name filter, which would need the regular expression library.
            for (const QFileInfo& file : QDir(kRenderings).entryInfoList(QDir::Files)) {
                if (file.suffix() == QLatin1String("png")) {
                    renderings_[file.baseName().toInt()] = QIcon();
                }
            }
        }
        return renderings_;
    }

    // The smallest rendering that covers `size`, or the largest.
    const QIcon& renderingFor(QSize size) {
        static const QIcon none;
        std::map<int, QIcon>& all = renderings();
        if (all.empty()) {
            return none;
        }
        auto chosen = all.lower_bound(std::max(size.width(), size.height()));
        if (chosen == all.end()) {
            chosen = std::prev(all.end());
        }
        if (chosen->second.isNull()) {
            chosen->second = QIcon(kRenderings + QStringLiteral("/%1.png").arg(chosen->first));
        }
        return chosen->second;
    }

    std::map<int, QIcon> renderings_;
};

}  // namespace

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}

}  // namespace nimbaro
