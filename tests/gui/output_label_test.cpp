#include "output_label.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <limits>

#include "locale_bridge.h"
#include "number_text.h"
#include "qt_printers.h"
#include "test_locales.h"

namespace nimbaro {
namespace {

class OutputLabelTest : public testing::Test {
  protected:
    OutputLabelTest() : label_(&window_) { label_.setGeometry(0, 0, 161, 25); }

    struct Shown {
        QString text;
        QFont font;
    };

    Shown show(const QString& text) {
        label_.setText(text);
        const Shown shown{label_.displayedText(), label_.displayFont()};
        EXPECT_LE(QFontMetrics(shown.font).horizontalAdvance(shown.text),
                  label_.valueRect().width())
            << text.toStdString();
        EXPECT_TRUE(shown.font.bold());
        return shown;
    }

    QWidget window_;
    OutputLabel label_;
};

TEST_F(OutputLabelTest, DrawsAShortNumberAsItIs) {
    const Shown shown = show("212.00000");
    EXPECT_EQ(shown.text, "212.00000");
    EXPECT_EQ(shown.font, label_.font());
}

// One hectare in square millimetres, as the area window shows it: cut at the left edge it read
// "000,000,000.0000000000".
TEST_F(OutputLabelTest, DrawsALongerNumberWholeInASmallerFont) {
    const Shown shown = show("10,000,000,000.0000000000");
    EXPECT_EQ(shown.text, "10,000,000,000.0000000000");
    EXPECT_LT(shown.font.pointSizeF(), label_.font().pointSizeF());
    EXPECT_GE(shown.font.pointSizeF(), label_.font().pointSizeF() * 0.59);
}

TEST_F(OutputLabelTest, ShortensANumberTooLongForAnyFontInTheMiddle) {
    const QString huge =
        fromUtf8(formatFixed(std::numeric_limits<double>::max(), 10, test::english()));
    const Shown shown = show(huge);
    EXPECT_TRUE(shown.text.contains(QChar(0x2026))) << shown.text.toStdString();
    EXPECT_TRUE(shown.text.startsWith("179,")) << shown.text.toStdString();
    EXPECT_TRUE(shown.text.endsWith(".0000000000")) << shown.text.toStdString();
    EXPECT_EQ(label_.text(), huge);
}

}  // namespace
}  // namespace nimbaro
