#pragma once

#include "calculation_window.h"

namespace nimbaro {

// frmWetBulb: the wet bulb in closed form from the air temperature, the air pressure and
// either the relative humidity or the dew point, in every temperature unit.
class WetBulbWindow : public CalculationWindow {
  public:
    static constexpr std::string_view kWindowName = "frmWetBulb";

    explicit WetBulbWindow(WindowRegistry& registry);

    void optAirTempHumidity_Click();
    void optAirTempDewPoint_Click();

  private:
    void Form_Load();
    Outcome calculate() override;

    QRadioButton* optAirTempHumidity_ = nullptr;
    QRadioButton* optAirTempDewPoint_ = nullptr;
    QLineEdit* txtAirTemp_ = nullptr;
    QLineEdit* txtHumidity_ = nullptr;
    QLineEdit* txtDewPoint_ = nullptr;
    QLineEdit* txtAirPressure_ = nullptr;
};

}  // namespace nimbaro
