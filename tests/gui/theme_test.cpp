#include <QApplication>
#include <QLineEdit>

#include "dark_palette.h"
#include "every_window.h"
#include "output_label.h"
#include "window_fixture.h"

namespace nimbaro::test {
namespace {

constexpr QPalette::ColorRole kRoles[] = {
    QPalette::Window,      QPalette::WindowText, QPalette::Base,      QPalette::Text,
    QPalette::Button,      QPalette::ButtonText, QPalette::Highlight, QPalette::HighlightedText,
    QPalette::ToolTipBase, QPalette::ToolTipText};

// Runs with the dark theme as the application's palette and puts the light one back after.
class DarkTheme : public WindowFixture {
  protected:
    void SetUp() override { QApplication::setPalette(darkPalette()); }
    void TearDown() override { QApplication::setPalette(light_); }

    const QPalette light_ = QApplication::palette();
};

// Every control takes its colours from the theme: none is fixed in the code. The only colour
// a control is given is another role of the theme: the grey of a box its method does not use.
TEST_F(DarkTheme, EveryColourOfEveryWindowComesFromThePalette) {
    const QPalette theme = QApplication::palette();
    for (QWidget* window : openEveryWindow(*registry_)) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            for (QPalette::ColorRole role : kRoles) {
                const QColor colour = control->palette().color(QPalette::Active, role);
                const bool greyBox = qobject_cast<QLineEdit*>(control) != nullptr &&
                                     role == QPalette::Base &&
                                     colour == theme.color(QPalette::Active, QPalette::Button);
                EXPECT_TRUE(colour == theme.color(QPalette::Active, role) || greyBox)
                    << window->objectName().toStdString() << '.'
                    << control->objectName().toStdString() << " role " << role;
            }
        }
    }
}

TEST_F(DarkTheme, OutputsShowTheirValueInTheColoursOfAnEntryField) {
    QWidget* window = launch("cmdDewPointCalcs", "frmDewPoint");
    for (const OutputLabel* output : window->findChildren<OutputLabel*>()) {
        EXPECT_EQ(output->backgroundRole(), QPalette::Base);
        EXPECT_EQ(output->foregroundRole(), QPalette::Text);
        EXPECT_TRUE(output->autoFillBackground());
    }
}

// A theme changed while a window is open reaches its white and grey boxes too.
TEST_F(DarkTheme, BoxesFollowAThemeChangedWhileTheWindowIsOpen) {
    QApplication::setPalette(light_);
    QWidget* window = launch("cmdHeatIndexCalcs", "frmHeatIndex");
    QApplication::setPalette(darkPalette());
    settle();  // the theme reaches open windows through posted events
    const QPalette dark = darkPalette();
    EXPECT_EQ(find<QLineEdit>(window, "txtHumidity")->palette().color(QPalette::Base),
              dark.color(QPalette::Base));
    EXPECT_EQ(find<QLineEdit>(window, "txtDewPoint")->palette().color(QPalette::Base),
              dark.color(QPalette::Button));
    EXPECT_EQ(find<QLineEdit>(window, "txtAirTemp")->palette().color(QPalette::Base),
              dark.color(QPalette::Base));
}

}  // namespace
}  // namespace nimbaro::test
