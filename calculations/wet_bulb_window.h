#pragma once

#include "calculation_window.h"
#include "window_names.h"

namespace nimbaro {

// frmWetBulb: the wet bulb in closed form from the air temperature, the air pressure and
// either the relative humidity or the dew point, in every temperature unit.
class WetBulbWindow : public CalculationWindow {
  public:
    static constexpr std::string_view kWindowName = window_names::kWetBulb;

    explicit WetBulbWindow(WindowRegistry& registry);

    void onAirTempHumidityChosen();
    void onAirTempDewPointChosen();

  private:
    void load();

    QRadioButton* optAirTempHumidity_ = nullptr;
    QRadioButton* optAirTempDewPoint_ = nullptr;
    QLineEdit* txtHumidity_ = nullptr;
    QLineEdit* txtDewPoint_ = nullptr;
};

}  // namespace nimbaro
