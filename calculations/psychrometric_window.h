#pragma once

#include <array>
#include <span>
#include <string_view>

#include "calculation_window.h"

namespace nimbaro {

// The names and captions in which the windows built on PsychrometricWindow differ.
struct PsychrometricNames {
    struct InputRow {
        Input input;
        std::string_view messageName;  // how the messages name the box
        std::string_view boxName;
        std::string_view labelName;
        std::string_view labelText;
    };

    Calculation calculation;
    std::string_view windowName;
    std::string_view title;
    std::string_view methodFrame;
    std::array<ControlText, 2> methodOptions;  // in the engine's order of the methods
    std::string_view pressureNote;             // the name of the note's label
    std::string_view hectopascalsOption;
    std::array<InputRow, 4> inputs;  // down the left, in tab order
    // The unit labels of lblCelsius, lblFahrenheit and lblKelvin; none on the window that shows
    // the relative humidity instead.
    std::array<std::string_view, 3> temperatureUnitLabels = {};
};

// frmHumidity, frmDewPoint and frmWetBulb.
std::span<const PsychrometricNames* const> psychrometricWindows();

// A window that works out one moisture quantity of the air from the air temperature and
// another, given in one of two ways, with the air pressure where a way needs it.
class PsychrometricWindow : public CalculationWindow {
  public:
    PsychrometricWindow(WindowRegistry& registry, const PsychrometricNames& names);
};

}  // namespace nimbaro
