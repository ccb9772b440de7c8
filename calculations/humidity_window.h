#pragma once

#include "calculation_window.h"

namespace nimbaro {

// frmHumidity: the relative humidity from the air temperature and the dew point, or from the
// air temperature, the wet bulb and the air pressure.
class HumidityWindow : public CalculationWindow {
  public:
    static constexpr std::string_view kWindowName = "frmHumidity";

    explicit HumidityWindow(WindowRegistry& registry);

    void optAirTempDewPoint_Click();
    void optAirTempWetBulbAirPressure_Click();

  private:
    void Form_Load();
    Outcome calculate() override;

    QRadioButton* optAirTempDewPoint_ = nullptr;
    QRadioButton* optAirTempWetBulbAirPressure_ = nullptr;
    QLineEdit* txtAirTemp_ = nullptr;
    QLineEdit* txtDewPoint_ = nullptr;
    QLineEdit* txtWetBulb_ = nullptr;
    QLineEdit* txtAirPressure_ = nullptr;
};

}  // namespace nimbaro
