#pragma once

#include <QString>

class QWidget;

namespace nimbaro {

// A modal message with the prompt, the title, one OK button and no icon, wide enough for a
// window manager to show the whole title.
void showMessage(QWidget* parent, const QString& prompt, const QString& title);

}  // namespace nimbaro
