#include <QScrollArea>

#include "window_fixture.h"
#include "window_placement.h"

namespace nimbaro::test {
namespace {

class DesktopHabits : public WindowFixture {};

// A window too large for the room scrolls: it takes no more than the room, and the control
// that takes the focus comes into view; the focus keeps its order. One that fits is left alone.
TEST_F(DesktopHabits, AWindowLargerThanItsRoomScrollsToTheFocus) {
    QWidget* window = open("frmHeatIndex");
    EXPECT_EQ(window->findChild<QScrollArea*>(), nullptr);
    const std::vector<const char*> controls = {"optAirTempHumidity", "txtAirTemp", "cmdCalculate",
                                               "cmdOutput", "cmdExit"};
    const std::vector<const char*> tabOrder = focusChain(window, controls);

    const QSize room(window->width() / 2, window->height() / 2);
    fitWithin(window, room);
    settle();
    EXPECT_LE(window->width(), room.width());
    EXPECT_LE(window->height(), room.height());
    EXPECT_EQ(focusChain(window, controls), tabOrder);
    for (const char* name : {"cmdOutput", "cmdExit", "txtAirTemp", "optKelvin"}) {
        auto* control = find<QWidget>(window, name);
        control->setFocus();
        EXPECT_EQ(control->visibleRegion().boundingRect(), control->rect()) << name;
    }
}

TEST_F(DesktopHabits, AMinimisedWindowComesBackWhenLaunchedAgain) {
    QWidget* window = launch("cmdTemperatureConversions", "frmTemperature");
    window->setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(launch("cmdTemperatureConversions", "frmTemperature"), window);
    EXPECT_FALSE(window->isMinimized());
}

}  // namespace
}  // namespace nimbaro::test
