#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <utility>
#include <vector>

#include "application_style.h"
#include "program_icon.h"

namespace nimbaro {
namespace {

// The icon reads a rendering only when a size asks for it; each size still gets the rendering
// that serves it best, scaled down to fit where none has its size, never up.
TEST(ProgramIconTest, EverySizeGetsTheSmallestRenderingThatCoversIt) {
    const QIcon icon = programIcon();
    const std::vector<std::pair<QSize, QSize>> cases = {
        {{16, 16}, {16, 16}},     {{20, 20}, {20, 20}},     {{48, 48}, {48, 48}},
        {{100, 100}, {100, 100}}, {{512, 512}, {256, 256}}, {{32, 16}, {16, 16}},
    };
    for (const auto& [asked, shown] : cases) {
        EXPECT_EQ(icon.actualSize(asked), shown) << asked.width() << "x" << asked.height();
        EXPECT_EQ(icon.pixmap(asked).size(), shown) << asked.width() << "x" << asked.height();
    }
}

TEST(ProgramIconTest, ASizeWithItsOwnRenderingShowsThatRendering) {
    const QIcon icon = programIcon();
    for (int edge : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage drawn(QStringLiteral(":/icons/%1.png").arg(edge));
        EXPECT_EQ(icon.pixmap(QSize(edge, edge))
                      .toImage()
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << edge;
    }
}

TEST(ProgramIconTest, ListsEveryRenderingAndKeepsTheDisabledLook) {
    QIcon icon = programIcon();
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(
        icon.availableSizes(),
        (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    EXPECT_NE(icon.pixmap(QSize(32, 32), QIcon::Disabled).toImage(),
              icon.pixmap(QSize(32, 32)).toImage());
}

// The program gives the application its icon only as its first window is about to be shown.
TEST(ProgramIconTest, TheProgramTakesItsIconAsItsFirstWindowIsShown) {
    const QIcon style = QApplication::windowIcon();
    QApplication::setWindowIcon(QIcon());
    applyApplicationStyleAtFirstWindow(*qApp);
    EXPECT_TRUE(QApplication::windowIcon().isNull());
    QWidget window;
    window.show();
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), programIcon().availableSizes());
    EXPECT_EQ(window.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QApplication::setWindowIcon(style);
}

}  // namespace
}  // namespace nimbaro
