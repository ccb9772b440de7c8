#pragma once

#include <QLineEdit>

namespace nimbaro {

// An input box that selects its whole text whenever it takes the focus, by keyboard, by
// program or by a mouse click, so that typing replaces the entry.
class SelectAllLineEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // A click that brings the focus places the cursor on release; select after it instead.
    bool selectOnRelease_ = false;
};

}  // namespace nimbaro
