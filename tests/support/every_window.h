#pragma once

#include <QWidget>
#include <vector>

namespace nimbaro {
class WindowRegistry;
}

namespace nimbaro::test {

// Every window of the program, reached as a user reaches it: the main menu, each window its
// launch buttons open, in their order, and the About window from its Help menu.
std::vector<QWidget*> openEveryWindow(WindowRegistry& registry);

// Types sample numbers into every enabled box and presses the window's convert and calculate
// buttons.
void computeSample(QWidget* window);

// Chooses the last option of the window's first group: another input method, or another unit.
void chooseLastOption(QWidget* window);

}  // namespace nimbaro::test
