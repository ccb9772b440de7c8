#pragma once

#include <cstddef>
#include <vector>

#include "calculation_forms.h"
#include "twips.h"

namespace nimbaro {

// Where a calculation window's controls go, from how many there are. The option frames stand
// in a row along the top, the methods first, all as tall as the tallest; the input boxes with
// their captions go down the left under them. Calculate and Reset stand under the first unit
// frame, the outputs with their unit labels and the Output button in the column under the
// second; Back and Exit close the window's foot, with the quiet lines beside and under them.
// A window with more than two unit groups grows to the right.
class CalculationLayout {
  public:
    explicit CalculationLayout(const CalculationForm& form);

    TwipRect methodFrame() const;
    TwipRect unitFrame(std::size_t group) const;
    // The option on `row` of `frame`, in window coordinates.
    static TwipPoint option(TwipRect frame, int row);
    // Under the method options, in the method frame's coordinates.
    TwipRect pressureNote() const;

    TwipPoint inputCaption(int row) const;
    TwipPoint inputBox(int row) const;
    TwipPoint outputHeading() const;
    TwipPoint output(std::size_t output) const;

    TwipPoint calculateButton() const;
    TwipPoint resetButton() const;
    TwipPoint outputButton() const;
    TwipPoint backButton() const;
    TwipPoint exitButton() const;

    TwipRect quietLine(CalculationForm::QuietLine::Says says) const;

    TwipSize clientSize() const;

  private:
    int rowTop(int row) const;
    int footTop() const;
    TwipPoint outputCell(int row) const;
    // The place of the unit frame `column`; the command buttons and the outputs stand in the
    // first two columns under them, whether or not the window has such a frame.
    TwipRect unitColumn(std::size_t column) const;
    int clientWidth() const;

    int methodCount_;
    int frameHeight_;
    std::size_t unitGroups_;
    std::vector<int> outputRows_;
    int outputButtonRow_;
    int rows_;
};

}  // namespace nimbaro
