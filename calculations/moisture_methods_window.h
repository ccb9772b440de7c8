#pragma once

#include <array>
#include <string_view>

#include "calculation_layout.h"
#include "calculation_window.h"

namespace nimbaro {

// The names in which the windows built on MoistureMethodsWindow differ.
struct MoistureMethodsNames {
    Calculation calculation;
    std::string_view windowName;
    std::string_view title;
    std::string_view pressureNote;  // the name of the note's label
    std::string_view temperatureFrame;
    bool temperatureTooltips = true;
    // The fixed labels of txtAirTemp, txtHumidity, txtDewPoint, txtWetBulb and txtAirPressure.
    std::array<std::string_view, 5> inputLabels;
    int outputButtonRow = 3;
};

// A window that works from the air temperature and the moisture of the air, given in one of
// three ways: the relative humidity, the dew point, or the wet bulb with the air pressure. It
// holds the controls such windows share; a window adds its outputs.
class MoistureMethodsWindow : public CalculationWindow {
  public:
    void onAirTempHumidityChosen() { applyMethodOf(optAirTempHumidity_); }
    void onAirTempDewPointChosen() { applyMethodOf(optAirTempDew_); }
    void onAirTempWetBulbPressureChosen() { applyMethodOf(optAirTempWetBAirPressure_); }

  protected:
    static constexpr CalculationLayout kLayout{.methods = 3, .inputRows = 5};

    MoistureMethodsWindow(WindowRegistry& registry, const MoistureMethodsNames& names);

  private:
    QRadioButton* optAirTempHumidity_ = nullptr;
    QRadioButton* optAirTempDew_ = nullptr;
    QRadioButton* optAirTempWetBAirPressure_ = nullptr;
};

}  // namespace nimbaro
