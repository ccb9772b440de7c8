#pragma once

#include "calculation_window.h"
#include "formulas/wind_chill.h"

namespace nimbaro {

// frmWindChillCalculations: the wind chill temperature from the air temperature and the wind
// speed, by the new or the old formula.
class WindChillWindow : public CalculationWindow {
  public:
    static constexpr std::string_view kWindowName = "frmWindChillCalculations";

    explicit WindChillWindow(WindowRegistry& registry);

  private:
    enum class Formula { New, Old };

    void Form_Load();
    Outcome calculate() override;
    // One note on the new formula's range, naming what lies outside it.
    void noteNewFormulaRange(WindChillRange range);

    std::vector<QRadioButton*> formulaOptions_;
    std::vector<QRadioButton*> windSpeedOptions_;
    QLineEdit* txtInTemp_ = nullptr;
    QLineEdit* txtInWind_ = nullptr;
};

}  // namespace nimbaro
