#pragma once

#include <vector>

#include "calculator_window.h"
#include "conversion_table.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace nimbaro {

// The one conversion window: every quantity is a table that this window lays out and
// computes. One input box, the "from" unit options in a frame, one output label per unit.
class ConversionWindow : public CalculatorWindow {
  public:
    ConversionWindow(WindowRegistry& registry, const ConversionTable& table);

    void cmdConvert_Click();

  private:
    void addNote(QGroupBox* frame, const ConversionTable::Note& note);

    const ConversionTable& table_;
    QLineEdit* input_ = nullptr;
    std::vector<QRadioButton*> options_;
};

}  // namespace nimbaro
