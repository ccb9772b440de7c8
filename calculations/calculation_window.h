#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "calculations.h"
#include "calculator_window.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace nimbaro {

// Where a calculation window puts its command buttons, and their tooltips.
struct CommandButtons {
    TwipPoint calculate;
    TwipPoint reset;
    TwipPoint output;
    TwipPoint back;
    TwipPoint exit;
    std::string_view calculateTooltip = {};
    std::string_view resetTooltip = {};
    std::string_view outputTooltip = {};
};

// A control of a window: its object name, caption and tooltip.
struct ControlText {
    std::string_view name;
    std::string_view caption;
    std::string_view tooltip = {};
};

// What the calculation windows share beyond CalculatorWindow: input methods that enable and
// colour the boxes they use, the temperature and air pressure option groups, and the click of
// "&Calculate": it hands the boxes the selected method reads and the selected units to the
// engine, then either says which box broke which rule, or writes every output once, or, on a
// fault, none of them and says so once; on the windows that have it, it ends with the result
// check.
class CalculationWindow : public CalculatorWindow {
  public:
    void onCalculateClicked();

  protected:
    enum class ResultCheck { AfterEveryClick, None };

    CalculationWindow(WindowRegistry& registry, std::string_view windowName, std::string_view title,
                      TwipSize clientSize, Calculation calculation, ResultCheck resultCheck);

    // A box keeps its white or grey when the palette changes, as from a light to a dark theme.
    void changeEvent(QEvent* event) override;

    // The option of the calculation's next input method, in the engine's order of its methods.
    // Whenever it becomes selected, by the user or by the load step, applyMethodOf() runs.
    QRadioButton* addMethodOption(QGroupBox* frame, std::string_view name, std::string_view caption,
                                  std::string_view tooltip, TwipRect rect);
    // A method option's click, which reads the option's own value. The boxes of the inputs that
    // only some of the window's methods read turn white where the option's method reads them
    // and grey where it does not, the other way round when the option is found not selected;
    // they keep their text. The unit options of such a box follow it: the temperature options
    // are enabled and disabled with the air temperature box, the pressure options with the
    // pressure box, and enabling them selects hectopascals.
    void applyMethodOf(const QRadioButton* option);
    // The load step: the first method, Celsius, and hectopascals where every method reads a
    // pressure (elsewhere the pressure method selects it).
    void selectDefaults();
    // The quiet line under the outputs, sized for every note the window's methods can give.
    void addMethodNotes(TwipRect rect);

    // The options of the calculation's input methods, in the engine's order, in their own frame.
    void addMethodFrame(std::string_view frameName, std::string_view caption, TwipRect rect,
                        std::span<const ControlText> options);
    // A frame with `options` stacked inside it, one group, in tab order.
    std::vector<QRadioButton*> addOptionFrame(std::string_view frameName, std::string_view caption,
                                              std::string_view tooltip, TwipRect rect,
                                              std::span<const ControlText> options);
    // "Temperature Data" with optCelsius, optFahrenheit and optKelvin stacked inside, each
    // with the tooltip "Calculate Using <unit>" unless `withTooltips` is false.
    void addTemperatureFrame(std::string_view frameName, TwipRect rect, bool withTooltips = true);
    // "Air Pressure Data" (fmeAirPressure) with `hectopascalsName`, optmmOfHg and optinOfHg.
    void addPressureFrame(std::string_view hectopascalsName, TwipRect rect);
    // The note under the methods that need an air pressure, wrapped into `rectInFrame`.
    void addPressureNote(QGroupBox* frame, std::string_view name, TwipRect rectInFrame);
    const std::vector<QRadioButton*>& methodOptions() const { return methodOptions_; }
    const std::vector<QRadioButton*>& temperatureOptions() const { return temperatureOptions_; }
    const std::vector<QRadioButton*>& pressureOptions() const { return pressureOptions_; }
    // The selected option of each group; a group holds a selection from the load step on.
    virtual UnitChoice selectedUnits() const;
    // The index of the selected option, the first found in the order of the options.
    static std::size_t selectedIndex(const std::vector<QRadioButton*>& options);

    // The box of `input` with its fixed label; Enter in the box presses cmdCalculate. The
    // messages about the box name it `messageName`.
    QLineEdit* addInput(Input input, std::string_view messageName, std::string_view name,
                        TwipPoint box, std::string_view labelName, std::string_view labelText,
                        TwipPoint label, std::string_view tooltip = {});
    // An output label with the label naming its unit to its right.
    void addOutput(std::string_view name, std::string_view tooltip, TwipPoint position,
                   std::string_view unitLabelName, std::string_view unitText);
    // lblCelsius, lblFahrenheit and lblKelvin one under another from `first`, with their
    // tooltips and the unit labels of the given names.
    void addTemperatureOutputs(TwipPoint first, int pitch,
                               const std::array<std::string_view, 3>& unitLabelNames);
    // cmdCalculate, cmdReset, cmdOutput, cmdBack and cmdExit, in this tab order.
    void addCommandButtons(const CommandButtons& buttons);

  private:
    // The boxes and options one input method sets when its option becomes selected.
    struct MethodState {
        std::vector<QLineEdit*> used;    // enabled, window-background colour
        std::vector<QLineEdit*> unused;  // disabled, grey; they keep their text
        std::vector<QRadioButton*> enabledOptions;
        std::vector<QRadioButton*> disabledOptions;  // their values stay as they are
        QRadioButton* selects = nullptr;             // selected after the enabling
    };

    // A box the engine reads, and how the messages name it.
    struct InputBox {
        Input input;
        QLineEdit* box;
        std::string_view messageName;
    };

    Method selectedMethod() const;
    const InputBox& inputBox(Input input) const;
    // The message for the rule the box broke, then the focus back to it with its text selected.
    void showInputFault(InputFault fault);
    // Read by some of the window's methods and not by others.
    bool readBySomeMethods(Input input) const;
    void applyMethodState(const MethodState& state);
    void paintBox(QLineEdit* box, bool used);

    Calculation calculation_;
    ResultCheck resultCheck_;
    std::vector<QRadioButton*> methodOptions_;
    std::vector<QRadioButton*> temperatureOptions_;
    std::vector<QRadioButton*> pressureOptions_;
    std::vector<InputBox> inputs_;
};

}  // namespace nimbaro
