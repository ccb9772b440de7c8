#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "calculation_forms.h"
#include "calculator_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace nimbaro {

class CalculationLayout;

// The one calculation window: every calculation is a form that this window lays out and an
// engine calculation that computes. Input methods enable and colour the boxes they read, with
// the unit options of those boxes, and name the units of the outputs of their calculation; the
// click of "&Calculate" hands the boxes the selected method reads and the selected units to
// the engine, then either says which box broke which rule, or writes every output once, or, on
// a fault, none of them and says so once; on the windows that have it, it ends with the result
// check.
class CalculationWindow : public CalculatorWindow {
  public:
    CalculationWindow(WindowRegistry& registry, const CalculationForm& form);

    void onCalculateClicked();
    // A method option's click, which reads the option's own value. The boxes of the inputs that
    // only some of the window's methods read turn white where the option's method reads them
    // and grey where it does not, the other way round when the option is found not selected;
    // they keep their text. The unit options of such a box follow it, and where their group
    // says so, enabling them selects their default. A selected method of another calculation
    // names the units of its outputs beside them and clears the results shown.
    void onMethodClicked(const QRadioButton* option);

  protected:
    // A box keeps its white or grey when the palette changes, as from a light to a dark theme.
    void changeEvent(QEvent* event) override;

  private:
    CalculationWindow(WindowRegistry& registry, const CalculationForm& form,
                      const CalculationLayout& layout);

    struct MethodButton {
        QRadioButton* option;
        Method method;
    };
    struct UnitButton {
        QRadioButton* option;
        UnitValue unit;
    };
    // An output label with the label naming its unit.
    struct OutputRow {
        OutputLabel* output;
        QLabel* unit;
    };
    struct UnitButtons {
        const CalculationForm::UnitGroup* group;
        std::vector<UnitButton> options;
    };
    // A box the engine reads, and how the messages name it.
    struct InputBox {
        Input input;
        QLineEdit* box;
        std::string_view messageName;
    };
    // The boxes and options one input method sets when its option becomes selected.
    struct MethodState {
        std::vector<QLineEdit*> used;    // enabled, window-background colour
        std::vector<QLineEdit*> unused;  // disabled, grey; they keep their text
        std::vector<QRadioButton*> enabledOptions;
        std::vector<QRadioButton*> disabledOptions;  // their values stay as they are
        std::vector<QRadioButton*> selects;          // selected after the enabling
    };

    void addMethods(const CalculationForm& form, const CalculationLayout& layout);
    void addPressureNote(QGroupBox* frame, std::string_view name, TwipRect rectInFrame);
    void addUnitGroups(const CalculationForm& form, const CalculationLayout& layout);
    void addInputs(const CalculationForm& form, const CalculationLayout& layout);
    void addOutputs(const CalculationForm& form, const CalculationLayout& layout);
    void addQuietLines(const CalculationForm& form, const CalculationLayout& layout);
    // cmdCalculate, cmdReset, cmdOutput, cmdBack and cmdExit, in this tab order.
    void addCommandButtons(const CalculationForm& form, const CalculationLayout& layout);
    // The first method, and the default of every unit group that does not wait for a method
    // to enable it.
    void selectDefaults();

    // The units of the method's outputs beside them, each row it gives no output for empty.
    void showOutputUnits(Method method);

    Method selectedMethod() const;
    UnitChoice selectedUnits() const;
    // Every choice of units the window's option groups can make.
    std::vector<UnitChoice> possibleUnits() const;
    const InputBox& inputBox(Input input) const;
    // The message for the rule the box broke, then the focus back to it with its text selected.
    void showInputFault(InputFault fault);
    // One of them read by some of the window's methods, none by the others.
    bool readBySomeMethods(std::span<const Input> inputs) const;
    void applyMethodState(const MethodState& state);
    void paintBox(QLineEdit* box, bool used);

    CalculationForm::ResultCheck resultCheck_;
    std::vector<MethodButton> methods_;
    std::vector<UnitButtons> unitGroups_;
    std::vector<InputBox> inputs_;
    std::vector<OutputRow> outputs_;
    Calculation shownCalculation_{};  // of the method whose units the outputs name
    bool tooltipsNameUnits_ = false;  // the outputs' tooltips follow the chosen method's units
};

}  // namespace nimbaro
