#pragma once

#include "calculation_window.h"
#include "window_names.h"

namespace nimbaro {

// frmLightningDistance: how far away a lightning stroke is, from the seconds between the flash
// and the thunder and the speed of sound, fixed or corrected for the air temperature.
class LightningDistanceWindow : public CalculationWindow {
  public:
    static constexpr std::string_view kWindowName = window_names::kLightningDistance;

    explicit LightningDistanceWindow(WindowRegistry& registry);

    void onNoCorrectionChosen();
    void onAirTempCorrectionChosen();

  private:
    void load();
    // The air temperature box and the temperature options: used with the correction only.
    void applyCorrection(bool corrected);

    QRadioButton* optNoCorrection_ = nullptr;
    QRadioButton* optAirTempCorrection_ = nullptr;
    QLineEdit* txtAirTemp_ = nullptr;
};

}  // namespace nimbaro
