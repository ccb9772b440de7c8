#pragma once

#include "calculation_window.h"
#include "window_names.h"

namespace nimbaro {

// frmHumidity: the relative humidity from the air temperature and the dew point, or from the
// air temperature, the wet bulb and the air pressure.
class HumidityWindow : public CalculationWindow {
  public:
    static constexpr std::string_view kWindowName = window_names::kHumidity;

    explicit HumidityWindow(WindowRegistry& registry);

    void onAirTempDewPointChosen();
    void onAirTempWetBulbPressureChosen();

  private:
    void load();

    QRadioButton* optAirTempDewPoint_ = nullptr;
    QRadioButton* optAirTempWetBulbAirPressure_ = nullptr;
    QLineEdit* txtDewPoint_ = nullptr;
    QLineEdit* txtWetBulb_ = nullptr;
    QLineEdit* txtAirPressure_ = nullptr;
};

}  // namespace nimbaro
