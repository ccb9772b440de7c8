#include "window_controls.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "output_label.h"

namespace nimbaro::test {
namespace {

bool named(const QObject* control, const char* prefix) {
    return control->objectName().startsWith(QLatin1String(prefix));
}

}  // namespace

WindowControls WindowControls::of(QWidget* window) {
    WindowControls controls;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (named(box, "txt")) {
            controls.boxes.push_back(box);
        }
    }
    std::map<QWidget*, std::size_t> groupOfFrame;
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        if (!named(option, "opt")) {
            continue;
        }
        const auto [group, added] =
            groupOfFrame.emplace(option->parentWidget(), controls.optionGroups.size());
        if (added) {
            controls.optionGroups.emplace_back();
        }
        controls.optionGroups[group->second].push_back(option);
    }
    for (OutputLabel* label : window->findChildren<OutputLabel*>()) {
        if (named(label, "lbl")) {
            controls.labels.push_back(label);
        }
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (named(button, "cmdConvert") || named(button, "cmdCalculate")) {
            controls.computeButtons.push_back(button);
        } else if (named(button, "cmdReset") || named(button, "cmdOutput")) {
            controls.clearButtons.push_back(button);
        } else if (button->objectName() == QLatin1String("cmdBack")) {
            controls.back = button;
        }
    }
    return controls;
}

Screen Screen::of(const WindowControls& controls) {
    Screen screen;
    for (const OutputLabel* label : controls.labels) {
        screen.labels[label->objectName()] = label->text();
    }
    for (const QLineEdit* box : controls.boxes) {
        screen.boxes[box->objectName()] = box->text();
        screen.enabledBoxes[box->objectName()] = box->isEnabled();
    }
    for (const auto& group : controls.optionGroups) {
        for (const QRadioButton* option : group) {
            screen.checkedOptions[option->objectName()] = option->isChecked();
        }
    }
    return screen;
}

bool Screen::isChecked(const QString& option) const {
    const auto found = checkedOptions.find(option);
    return found != checkedOptions.end() && found->second;
}

}  // namespace nimbaro::test
