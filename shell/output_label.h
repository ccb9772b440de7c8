#pragma once

#include <QLabel>
#include <QString>

namespace nimbaro {

// A bold result label that reports a left click (a click clears it on most windows). It knows
// the name of its unit, which names it for a screen reader ("Celsius result") and in copied
// results, and it tells a screen reader whenever its value changes. A value wider than the
// label is drawn in a smaller font, and past that shortened in the middle: never cut off.
class OutputLabel : public QLabel {
    Q_OBJECT
  public:
    explicit OutputLabel(QWidget* parent);

    const QString& unitName() const { return unitName_; }
    void setUnitName(const QString& unitName);

    // The font the value is drawn in: the label's own, or a smaller one where the value needs
    // more room, down to three fifths of its size.
    QFont displayFont() const;
    // What is drawn of the value in that font: all of it, or where even the smallest font is
    // too wide, the value shortened in the middle with an ellipsis.
    QString displayedText() const;
    // Where the value is drawn, inside the frame and the indent.
    QRect valueRect() const;

  public slots:
    // QLabel's own, hidden here so that every change of the value reaches a screen reader.
    void setText(const QString& text);
    void clear();

  signals:
    void clicked();
    // The value changed, as a screen reader is told.
    void valueChanged(const QString& value);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void announceValue(const QString& before);

    QString unitName_;
};

}  // namespace nimbaro
