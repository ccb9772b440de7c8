#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

namespace nimbaro {

// A bold result label that reports a left click (a click clears it on most windows). A number
// too long for the label is drawn in a smaller font, and where even that does not fit it is
// shortened in the middle with an ellipsis: never cut off at an edge, where what is left would
// read as a different number. The label's text stays whole.
class OutputLabel : public QLabel {
    Q_OBJECT
  public:
    explicit OutputLabel(QWidget* parent);

    struct Shown {
        QString text;
        QFont font;
    };
    // What the label draws of its text, and in which font.
    Shown shown() const;
    // The room the text is drawn in.
    QRect textArea() const;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace nimbaro
