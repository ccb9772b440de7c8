#include <QFontMetrics>

#include "caption_fit.h"
#include "every_window.h"
#include "message_catcher.h"
#include "output_label.h"
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

TEST_F(CaptionFit, EveryCaptionOfEveryWindowFitsItsControl) {
    for (QWidget* window : openEveryWindow(*registry_)) {
        EXPECT_EQ(clippedCaptions(window), std::vector<QString>{}) << window->objectName();
    }
}

TEST_F(CaptionFit, EveryResultOfASampleComputationFitsItsLabel) {
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
