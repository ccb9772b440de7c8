#pragma once

#include "moisture_methods_window.h"

namespace nimbaro {

// frmHeatIndex: the apparent temperature of warm humid air, from the air temperature and the
// humidity, the dew point, or the wet bulb with the air pressure.
class HeatIndexWindow : public MoistureMethodsWindow {
  public:
    static constexpr std::string_view kWindowName = "frmHeatIndex";

    explicit HeatIndexWindow(WindowRegistry& registry);

  private:
    OutputValues fromHumidity(Units units, double airTemperature, double humidity) override;
    OutputValues fromDewPoint(Units units, double airTemperature, double dewPoint) override;
    OutputValues fromWetBulb(Units units, double airTemperature, double wetBulb,
                             double pressure) override;
};

}  // namespace nimbaro
