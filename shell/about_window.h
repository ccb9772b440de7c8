#pragma once

#include <QWidget>

#include "locale_bridge.h"
#include "window_names.h"

namespace nimbaro {

class WindowRegistry;

// frmAbout: the program's name, version, release and contact lines, with Back and Exit.
class AboutWindow : public QWidget {
  public:
    static inline const QString kWindowName = fromUtf8(window_names::kAbout);

    explicit AboutWindow(WindowRegistry& registry);

    void onBackClicked();
    void onExitClicked();

  private:
    WindowRegistry& registry_;
};

}  // namespace nimbaro
