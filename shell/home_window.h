#pragma once

#include <QMainWindow>

#include "help_documents.h"

class QLabel;

namespace nimbaro {

class WindowRegistry;

// frmHome: the main menu, with the launch buttons of every other window on four pages and
// the help documents in its Help menu.
class HomeWindow : public QMainWindow {
  public:
    explicit HomeWindow(WindowRegistry& registry, HelpDocuments documents = HelpDocuments());

    // The first time the window is shown, its bold label is fitted to its text once the window
    // is on screen, before anything is drawn.
    void setVisible(bool visible) override;

  private:
    void buildMenus();
    void buildPages();
    void buildFooter();
    // Grows the window wherever a caption reaches past its edges, within the room on its screen.
    void fitToChildren();

    WindowRegistry& registry_;
    HelpDocuments documents_;
    // The client area below the menu bar, which scrolls where the screen is too small for it.
    QWidget* client_ = nullptr;
    QLabel* unfittedTeamLabel_ = nullptr;
};

}  // namespace nimbaro
