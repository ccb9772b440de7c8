#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <algorithm>
#include <string>

#include "caption_fit.h"
#include "every_window.h"
#include "message_catcher.h"
#include "output_label.h"
#include "twip_geometry.h"
#include "window_fixture.h"

// These tests run a second time at QT_SCALE_FACTOR=2, as on a high-density screen.
namespace nimbaro::test {
namespace {

class CaptionFit : public WindowFixture {
  protected:
    // The square millimetres of an area typed in hectares.
    OutputLabel* millimetresOfHectares(const char* hectares) {
        QWidget* window = launch("cmdAreaConversions", "frmAreaConversions");
        click(window, "optHectares");
        type(window, "txtInputArea", hectares);
        click(window, "cmdConvert");
        return find<OutputLabel>(window, "lblMillimetres");
    }
};

// The desktop font at each of these point sizes: the layouts grow with it, their captions still
// fit and every window opens centred at its final size.
class AtFontSize : public WindowFixture, public testing::WithParamInterface<qreal> {
  protected:
    void SetUp() override { setPointSize(GetParam()); }
    void TearDown() override { setPointSize(kLayoutPointSize); }

    static void setPointSize(qreal points) {
        QFont font = QApplication::font();
        font.setPointSizeF(points);
        QApplication::setFont(font);
    }
};

TEST_P(AtFontSize, EveryCaptionOfEveryWindowFitsItsControl) {
    for (QWidget* window : openEveryWindow(*registry_)) {
        EXPECT_EQ(clippedCaptions(window), std::vector<QString>{}) << window->objectName();
    }
}

TEST_P(AtFontSize, EveryResultOfASampleComputationFitsItsLabel) {
    MessageCatcher messages;
    for (QWidget* window : openEveryWindow(*registry_)) {
        computeSample(window);
        EXPECT_EQ(clippedCaptions(window), std::vector<QString>{}) << window->objectName();
        chooseLastOption(window);
        computeSample(window);
        EXPECT_EQ(clippedCaptions(window), std::vector<QString>{})
            << window->objectName() << " with its last option";
    }
}

// txtInTemp lies at 360, 2640 twips: 24, 176 pixels at 8 pt.
TEST_P(AtFontSize, PositionsGrowWithTheFont) {
    QWidget* window = launch("cmdTemperatureConversions", "frmTemperature");
    EXPECT_EQ(find<QLineEdit>(window, "txtInTemp")->pos(),
              QPoint(24, 176) * (GetParam() / kLayoutPointSize));
}

// Centred on the screen, or in its top left corner where the window is larger; its frame is
// not known before it is first shown, which may shift it by half the frame's width.
TEST_P(AtFontSize, EveryWindowOpensCentredAtItsFinalSize) {
    for (QWidget* window : openEveryWindow(*registry_)) {
        const QRect screen = window->screen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        const QPoint centred = screen.center() - QPoint(frame.width() / 2, frame.height() / 2);
        EXPECT_NEAR(frame.left(), std::max(centred.x(), screen.left()), 3) << window->objectName();
        EXPECT_NEAR(frame.top(), std::max(centred.y(), screen.top()), 3) << window->objectName();
    }
}

INSTANTIATE_TEST_SUITE_P(CaptionFit, AtFontSize, testing::Values(8.0, 10.0, 12.0, 16.0),
                         [](const testing::TestParamInfo<qreal>& info) {
                             return std::to_string(static_cast<int>(info.param)) + "pt";
                         });

// 20 hectares in square millimetres needs 25 characters: a smaller font shows them all.
TEST_F(CaptionFit, AWideValueIsDrawnSmallerToFit) {
    OutputLabel* millimetres = millimetresOfHectares("20");
    EXPECT_EQ(millimetres->text(), "200,000,000,000.0000000000");
    EXPECT_LT(millimetres->displayFont().pointSizeF(), millimetres->font().pointSizeF());
    EXPECT_LE(QFontMetrics(millimetres->displayFont()).horizontalAdvance(millimetres->text()),
              millimetres->valueRect().width());
    auto* hectares = find<OutputLabel>(millimetres->window(), "lblHectares");
    EXPECT_EQ(hectares->displayFont(), hectares->font());
}

// Past three fifths of its size a value is not made smaller; it is shortened in the middle.
TEST_F(CaptionFit, AValueNeverShrinksBelowThreeFifths) {
    OutputLabel* millimetres = millimetresOfHectares("1e20");
    EXPECT_NEAR(millimetres->displayFont().pointSizeF(), millimetres->font().pointSizeF() * 0.6,
                1e-9);
}

}  // namespace
}  // namespace nimbaro::test
