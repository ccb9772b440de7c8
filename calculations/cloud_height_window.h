#pragma once

#include "moisture_methods_window.h"

namespace nimbaro {

// frmCloudHeight: the height of the base of convective cumulus from the spread between the air
// temperature and the dew point, typed or derived from the humidity or from the wet bulb with
// the air pressure.
class CloudHeightWindow : public MoistureMethodsWindow {
  public:
    static constexpr std::string_view kWindowName = "frmCloudHeight";

    explicit CloudHeightWindow(WindowRegistry& registry);

  private:
    OutputValues fromHumidity(Units units, double airTemperature, double humidity) override;
    OutputValues fromDewPoint(Units units, double airTemperature, double dewPoint) override;
    OutputValues fromWetBulb(Units units, double airTemperature, double wetBulb,
                             double pressure) override;
    // The heights in metres and feet, noted when they are negative.
    OutputValues heights(double airTemperature, double dewPoint);
};

}  // namespace nimbaro
