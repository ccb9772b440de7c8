#pragma once

#include <QString>
#include <map>
#include <vector>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace nimbaro {
class OutputLabel;
}

namespace nimbaro::test {

// A window's controls found by kind and name prefix, so that every calculator window is
// driven the same way without knowing it.
struct WindowControls {
    std::vector<QLineEdit*> boxes;                         // txt*
    std::vector<std::vector<QRadioButton*>> optionGroups;  // opt*, one group per frame
    std::vector<OutputLabel*> labels;                      // lbl*
    std::vector<QPushButton*> computeButtons;              // cmdConvert*, cmdCalculate
    std::vector<QPushButton*> clearButtons;                // cmdReset*, cmdOutput
    QPushButton* back = nullptr;

    static WindowControls of(QWidget* window);
};

// What the user can see of a window's state: every label's and box's text, which boxes are
// enabled and which options are set.
struct Screen {
    std::map<QString, QString> labels;
    std::map<QString, QString> boxes;
    std::map<QString, bool> enabledBoxes;
    std::map<QString, bool> checkedOptions;

    static Screen of(const WindowControls& controls);
    // Whether the named option is set.
    bool isChecked(const QString& option) const;
};

}  // namespace nimbaro::test
