#pragma once

#include <QMainWindow>

#include "help_documents.h"

namespace nimbaro {

class WindowRegistry;

// frmHome: the main menu, with the launch buttons of every other window on three pages and
// the help documents in its Help menu.
class HomeWindow : public QMainWindow {
  public:
    explicit HomeWindow(WindowRegistry& registry, HelpDocuments documents = HelpDocuments());

  private:
    void buildMenus();
    void buildPages();
    void buildFooter();

    WindowRegistry& registry_;
    HelpDocuments documents_;
};

}  // namespace nimbaro
