#pragma once

#include "calculation_window.h"

namespace nimbaro {

// frmDewPoint: the dew point from the air temperature and the relative humidity, or from the
// air temperature, the wet bulb and the air pressure, in every temperature unit.
class DewPointWindow : public CalculationWindow {
  public:
    static constexpr std::string_view kWindowName = "frmDewPoint";

    explicit DewPointWindow(WindowRegistry& registry);

    void optAirTempHumidity_Click();
    void optAirTempWetBulbAirPressure_Click();

  private:
    void Form_Load();
    Outcome calculate() override;

    QRadioButton* optAirTempHumidity_ = nullptr;
    QRadioButton* optAirTempWetBulbAirPressure_ = nullptr;
    QLineEdit* txtAirTemp_ = nullptr;
    QLineEdit* txtHumidity_ = nullptr;
    QLineEdit* txtWetBulb_ = nullptr;
    QLineEdit* txtAirPressure_ = nullptr;
};

}  // namespace nimbaro
