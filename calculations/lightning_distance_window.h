#pragma once

#include "calculation_window.h"

namespace nimbaro {

// frmLightningDistance: how far away a lightning stroke is, from the seconds between the flash
// and the thunder and the speed of sound, fixed or corrected for the air temperature.
class LightningDistanceWindow : public CalculationWindow {
  public:
    static constexpr std::string_view kWindowName = "frmLightningDistance";

    explicit LightningDistanceWindow(WindowRegistry& registry);

    void optNoCorrection_Click();
    void optAirTempCorrection_Click();

  private:
    void Form_Load();
    Outcome calculate() override;
    // The air temperature box and the temperature options: used with the correction only.
    void applyCorrection(bool corrected);

    QRadioButton* optNoCorrection_ = nullptr;
    QRadioButton* optAirTempCorrection_ = nullptr;
    QLineEdit* txtTime_ = nullptr;
    QLineEdit* txtAirTemp_ = nullptr;
};

}  // namespace nimbaro
