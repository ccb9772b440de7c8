#pragma once

#include "calculation_window.h"
#include "window_names.h"

namespace nimbaro {

// frmWindChillCalculations: the wind chill temperature from the air temperature and the wind
// speed, by the new or the old formula.
class WindChillWindow : public CalculationWindow {
  public:
    static constexpr std::string_view kWindowName = window_names::kWindChill;

    explicit WindChillWindow(WindowRegistry& registry);

  private:
    void load();
    UnitChoice selectedUnits() const override;

    std::vector<QRadioButton*> windSpeedOptions_;
};

}  // namespace nimbaro
