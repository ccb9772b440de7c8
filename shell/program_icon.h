#pragma once

#include <QIcon>

namespace nimbaro {

// The program's icon in every size it was rendered to, for the windows and the About box.
QIcon programIcon();

}  // namespace nimbaro
