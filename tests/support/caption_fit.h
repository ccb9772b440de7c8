#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace nimbaro::test {

// The caption as drawn: accelerator marks removed, a doubled one kept as one.
QString shownCaption(const QString& caption);

// "name 'caption' needs W×H, has W×H" for every caption of the window that does not fit the
// room its control draws it in, measured with QFontMetrics in the font it is drawn in: push
// buttons, option buttons, frame titles, fixed labels, tab captions and the values of the
// output labels.
std::vector<QString> clippedCaptions(QWidget* window);

}  // namespace nimbaro::test
