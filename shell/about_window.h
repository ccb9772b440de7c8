#pragma once

#include <QWidget>

namespace nimbaro {

class WindowRegistry;

// frmAbout: the program's name, version, release and contact lines, with Back and Exit.
class AboutWindow : public QWidget {
  public:
    static inline const QString kWindowName = QStringLiteral("frmAbout");

    explicit AboutWindow(WindowRegistry& registry);

    void cmdBack_Click();
    void cmdExit_Click();

  private:
    WindowRegistry& registry_;
};

}  // namespace nimbaro
