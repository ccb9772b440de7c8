#pragma once

#include "calculation_window.h"
#include "window_names.h"

namespace nimbaro {

// frmDewPoint: the dew point from the air temperature and the relative humidity, or from the
// air temperature, the wet bulb and the air pressure, in every temperature unit.
class DewPointWindow : public CalculationWindow {
  public:
    static constexpr std::string_view kWindowName = window_names::kDewPoint;

    explicit DewPointWindow(WindowRegistry& registry);

    void onAirTempHumidityChosen();
    void onAirTempWetBulbPressureChosen();

  private:
    void load();

    QRadioButton* optAirTempHumidity_ = nullptr;
    QRadioButton* optAirTempWetBulbAirPressure_ = nullptr;
    QLineEdit* txtHumidity_ = nullptr;
    QLineEdit* txtWetBulb_ = nullptr;
    QLineEdit* txtAirPressure_ = nullptr;
};

}  // namespace nimbaro
