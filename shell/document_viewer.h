#pragma once

#include <QString>

namespace nimbaro {

// Shows a plain-text document in a window of its own: read-only, in the system's fixed-pitch
// font (the documents line their tables up in columns) at the desktop's font size, with a
// field that finds a text in it. Each call opens another window, as each start of an editor
// would. False, with no window, when the file cannot be read.
bool showInDocumentViewer(const QString& path);

}  // namespace nimbaro
