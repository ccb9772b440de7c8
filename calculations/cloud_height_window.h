#pragma once

#include "moisture_methods_window.h"
#include "window_names.h"

namespace nimbaro {

// frmCloudHeight: the height of the base of convective cumulus from the spread between the air
// temperature and the dew point, typed or derived from the humidity or from the wet bulb with
// the air pressure.
class CloudHeightWindow : public MoistureMethodsWindow {
  public:
    static constexpr std::string_view kWindowName = window_names::kCloudHeight;

    explicit CloudHeightWindow(WindowRegistry& registry);
};

}  // namespace nimbaro
