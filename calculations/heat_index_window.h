#pragma once

#include "moisture_methods_window.h"
#include "window_names.h"

namespace nimbaro {

// frmHeatIndex: the apparent temperature of warm humid air, from the air temperature and the
// humidity, the dew point, or the wet bulb with the air pressure.
class HeatIndexWindow : public MoistureMethodsWindow {
  public:
    static constexpr std::string_view kWindowName = window_names::kHeatIndex;

    explicit HeatIndexWindow(WindowRegistry& registry);
};

}  // namespace nimbaro
