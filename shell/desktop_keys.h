#pragma once

#include <functional>

class QWidget;

namespace nimbaro {

// The keys every window answers alike, beside its mnemonics: Enter and the keypad's Enter
// click the button that has the focus (an input box keeps its own use of them), Escape clicks
// the window's Back button where it has one, and F1 calls `openHowTo` with the window.
void answerDesktopKeys(QWidget* window, std::function<void(QWidget*)> openHowTo);

}  // namespace nimbaro
