#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace nimbaro {

class OutputLabel;

// The Copy commands of a window's results: a right click on a result label opens a menu with
// "Copy" (that value) and "Copy All Results" (one line per result: value, tab, unit name),
// and Ctrl+Shift+C anywhere in the window copies all results. Numbers are copied as shown
// but without group separators.
class ResultCopying : public QObject {
  public:
    explicit ResultCopying(QWidget* window);

    // Gives `label` the menu; all results are copied in the order they were added.
    void add(OutputLabel* label);

  private:
    // Each puts nothing on the clipboard when there is nothing to copy, leaving what it held.
    void copy(const OutputLabel* label) const;
    void copyAll() const;
    void showMenu(OutputLabel* label, const QPoint& position);

    QWidget* window_;
    QAction* copyAll_;
    QMenu* menu_ = nullptr;  // made on first use
    QAction* copy_ = nullptr;
    QPointer<OutputLabel> menuLabel_;
    std::vector<OutputLabel*> labels_;
};

}  // namespace nimbaro
