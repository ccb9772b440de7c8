#pragma once

#include <span>
#include <vector>

#include "calculator_window.h"
#include "conversion_forms.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace nimbaro {

// The one conversion window: every quantity is a form that this window lays out and an
// engine quantity that converts. One input box, the "from" unit options in a frame, one
// output label per unit.
class ConversionWindow : public CalculatorWindow {
  public:
    ConversionWindow(WindowRegistry& registry, const ConversionForm& form);

    void onConvertClicked();

  private:
    void addNote(QGroupBox* frame, const ConversionForm::Note& note);
    // A quiet line under the outputs that says what a result shown as zero stands for.
    void addZeroNote();
    QString zeroNote(std::span<const double> values) const;

    const Quantity& quantity_;
    QLineEdit* input_ = nullptr;
    std::vector<QRadioButton*> options_;
};

}  // namespace nimbaro
