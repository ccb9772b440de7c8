#pragma once

#include <QLabel>

namespace nimbaro {

// A bold result label that reports a left click (a click clears it on most windows).
class OutputLabel : public QLabel {
    Q_OBJECT
  public:
    explicit OutputLabel(QWidget* parent);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace nimbaro
