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
};

}  // namespace nimbaro
