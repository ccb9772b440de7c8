#pragma once

#include <QMainWindow>

namespace nimbaro {

class WindowRegistry;

// frmHome: the main menu, with the launch buttons of every other window on three pages.
class HomeWindow : public QMainWindow {
  public:
    explicit HomeWindow(WindowRegistry& registry);

  private:
    void buildMenus();
    void buildPages();
    void buildFooter();

    WindowRegistry& registry_;
};

}  // namespace nimbaro
