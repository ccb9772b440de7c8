#pragma once

#include <QString>

class QWidget;

namespace nimbaro {

// A modal message with the prompt, the title, one OK button and no icon.
void showMessage(QWidget* parent, const QString& prompt, const QString& title);

}  // namespace nimbaro
