#pragma once

#include <array>

#include "calculator_window.h"

class QLineEdit;
class QRadioButton;

namespace nimbaro {

class OutputLabel;

// frmWindDirection: two independent sections, compass point to degree range and degrees to
// compass point, each with its own convert and clear buttons. Its labels do not clear on a
// click and it has no FormatOutputs; both conversions are fixed tables.
class WindDirectionWindow : public CalculatorWindow {
  public:
    explicit WindDirectionWindow(WindowRegistry& registry);

    void onConvertRangeClicked();
    void onResetRangeClicked();
    void onConvertDirectionClicked();
    void onResetDirectionClicked();

  private:
    void buildRangeSection();
    void buildDirectionSection();

    std::array<QRadioButton*, 16> points_{};
    OutputLabel* from_ = nullptr;
    OutputLabel* to_ = nullptr;
    OutputLabel* midPoint_ = nullptr;
    QLineEdit* degrees_ = nullptr;
    OutputLabel* directionAcr_ = nullptr;
    OutputLabel* direction_ = nullptr;
};

}  // namespace nimbaro
