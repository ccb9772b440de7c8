#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <tuple>
#include <vector>

#include "calculator_window.h"
#include "formulas/units.h"
#include "guarded_computation.h"

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
// colour the boxes they use, the temperature and air pressure option groups, number and range
// checks that name the box, and the click of "&Calculate". A click runs the window's own
// checks and arithmetic (calculate()), writes every output or, on a fault, none of them and
// says so once, and then, on the windows that have it, ends with the result check.
class CalculationWindow : public CalculatorWindow {
  public:
    void cmdCalculate_Click();

  protected:
    enum class ResultCheck { AfterEveryClick, None };

    // How the window's own part of a click ended: stopped by a check (whose message is
    // already shown) or by an option group without a selection, or with the arithmetic run.
    struct Outcome {
        bool arithmeticRan = false;
        std::optional<OutputValues> values;  // nothing when the arithmetic met a fault
    };

    // A number that a method reads from a box.
    struct Reading {
        enum class Kind {
            Temperature,  // in the selected temperature unit, worked in degrees Celsius
            Pressure,     // in the selected pressure unit, worked in hectopascals
            Humidity,     // in percent, greater than 0 and at most 100
        };
        QLineEdit* box;
        std::string_view name;  // as the number-check message names the box
        Kind kind;
    };

    // The units of the groups a method reads; a group it does not read counts as its first.
    struct Units {
        TemperatureUnit temperature = TemperatureUnit::Celsius;
        PressureUnit pressure = PressureUnit::Hectopascals;
    };

    // The boxes and options one input method sets when its option becomes selected.
    struct MethodState {
        std::vector<QLineEdit*> used = {};    // enabled, window-background colour
        std::vector<QLineEdit*> unused = {};  // disabled, grey; they keep their text
        std::vector<QRadioButton*> enabledOptions = {};
        std::vector<QRadioButton*> disabledOptions = {};  // their values stay as they are
        QRadioButton* selects = nullptr;                  // selected after the enabling
    };

    CalculationWindow(WindowRegistry& registry, std::string_view windowName, std::string_view title,
                      TwipSize clientSize, ResultCheck resultCheck);

    // Called by the arithmetic when the result it works out lies outside the range its
    // formula is meant for; the note (one of range_notes) shows under the outputs once they
    // are written. The first note of a click stands.
    void noteOutsideRange(std::string_view note);
    // A box keeps its white or grey when the palette changes, as from a light to a dark theme.
    void changeEvent(QEvent* event) override;

    // The window's own part of a click: its checks in its order, then the arithmetic of every
    // output through compute() or computeFrom().
    virtual Outcome calculate() = 0;
    static Outcome stopped() { return {}; }
    // Runs the arithmetic of every output, unit conversions included, under the fault guard.
    static Outcome compute(const std::function<OutputValues()>& arithmetic) {
        return {true, computeGuarded(arithmetic)};
    }
    // The whole of a method that reads `readings`: their number checks in this order, then the
    // humidity range checks, then the unit groups the readings need; then, under the fault
    // guard, the readings converted to Celsius and hectopascals are passed to `formula`, one
    // argument each, which returns every output's value.
    template <std::size_t N, typename Formula>
    Outcome computeFrom(const Reading (&readings)[N], Formula formula) {
        return computeFromTyped(
            readings, [formula, kinds = kindsOf(readings)](Units units, auto... typed) {
                std::size_t i = 0;
                // A braced list converts the readings in their order.
                const std::array<double, N> worked{inWorkingUnit(kinds[i++], typed, units)...};
                return std::apply(formula, worked);
            });
    }
    // The same checks, for formulas that convert the numbers in an order of their own:
    // `formula` receives the selected units, then the readings as typed.
    template <std::size_t N, typename Formula>
    Outcome computeFromTyped(const Reading (&readings)[N], Formula formula) {
        std::array<double, N> typed{};
        const std::optional<Units> units = checkReadings(readings, typed);
        if (!units) {
            return stopped();
        }
        return compute([formula, typed, units = *units] {
            return std::apply([&](auto... numbers) { return formula(units, numbers...); }, typed);
        });
    }

    // `click` runs whenever the option becomes selected, by the user or by the load step.
    QRadioButton* addMethodOption(QGroupBox* frame, std::string_view name, std::string_view caption,
                                  std::string_view tooltip, TwipRect rect,
                                  std::function<void()> click);
    void applyMethodState(const MethodState& state);
    // A method that reads the air pressure: its boxes white, the others grey, the pressure
    // options enabled and then hectopascals selected.
    MethodState withPressure(std::vector<QLineEdit*> used, std::vector<QLineEdit*> unused) const;
    // A method that does not: the pressure options disabled, their values untouched.
    MethodState withoutPressure(std::vector<QLineEdit*> used, std::vector<QLineEdit*> unused) const;

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
    const std::vector<QRadioButton*>& temperatureOptions() const { return temperatureOptions_; }
    const std::vector<QRadioButton*>& pressureOptions() const { return pressureOptions_; }
    // The first selected option of each group, tested in the order of its options.
    std::optional<TemperatureUnit> temperatureUnit() const;
    std::optional<PressureUnit> pressureUnit() const;
    // The same for a window's own group whose options stand in the order of `Choice`.
    template <typename Choice>
    static std::optional<Choice> selectedAs(const std::vector<QRadioButton*>& options) {
        const std::optional<std::size_t> index = selectedIndex(options);
        return index ? std::optional<Choice>(static_cast<Choice>(*index)) : std::nullopt;
    }

    // An input box with its fixed label; Enter in the box presses cmdCalculate.
    QLineEdit* addInput(std::string_view name, TwipPoint box, std::string_view labelName,
                        std::string_view labelText, TwipPoint label, std::string_view tooltip = {});
    // An output label with the label naming its unit to its right.
    void addOutput(std::string_view name, std::string_view tooltip, TwipPoint position,
                   std::string_view unitLabelName, std::string_view unitText);
    // lblCelsius, lblFahrenheit and lblKelvin one under another from `first`, with their
    // tooltips and the unit labels of the given names.
    void addTemperatureOutputs(TwipPoint first, int pitch,
                               const std::array<std::string_view, 3>& unitLabelNames);
    // cmdCalculate, cmdReset, cmdOutput, cmdBack and cmdExit, in this tab order.
    void addCommandButtons(const CommandButtons& buttons);

    // The number check naming the box: "Please insert a number into the white box
    // (<name>)". The number, or nothing once the message is shown and the box has the focus.
    std::optional<double> checkedNumber(QLineEdit* box, std::string_view name);
    // A range rule on a checked number: when `inRange` is false, the message, then the focus
    // back to the box with its text selected.
    bool rangeCheck(QLineEdit* box, bool inRange, std::string_view prompt, std::string_view title);
    // 0 < humidity ≤ 100, with the humidity message.
    bool humidityCheck(QLineEdit* box, double humidity);

  private:
    template <std::size_t N>
    static std::array<Reading::Kind, N> kindsOf(const Reading (&readings)[N]) {
        std::array<Reading::Kind, N> kinds{};
        for (std::size_t i = 0; i < N; ++i) {
            kinds[i] = readings[i].kind;
        }
        return kinds;
    }
    // The checks of computeFrom(): the typed numbers into `typed` and the units they are in,
    // or nothing when a check refused or a needed group has no selection.
    std::optional<Units> checkReadings(std::span<const Reading> readings, std::span<double> typed);
    static double inWorkingUnit(Reading::Kind kind, double typed, Units units);

    static std::optional<std::size_t> selectedIndex(const std::vector<QRadioButton*>& options);
    bool writeOutputs(const std::optional<OutputValues>& values);
    void paintBox(QLineEdit* box, bool used);

    ResultCheck resultCheck_;
    std::string_view pendingNote_;
    std::vector<QRadioButton*> temperatureOptions_;
    std::vector<QRadioButton*> pressureOptions_;
    std::vector<QLineEdit*> inputs_;
    QPushButton* calculateButton_ = nullptr;
};

}  // namespace nimbaro
