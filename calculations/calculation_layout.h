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

    TwipPoint inputCaption(int row) const { return {kLeftMargin, rowTop(row)}; }
    TwipPoint inputBox(int row) const { return {kInputBoxLeft, rowTop(row)}; }
    TwipPoint outputHeading() const { return outputCell(0); }
    TwipPoint output(std::size_t output) const;

    TwipPoint calculateButton() const { return {commandLeft(), rowTop(0)}; }
    TwipPoint resetButton() const { return {commandLeft(), rowTop(1)}; }
    TwipPoint outputButton() const { return outputCell(outputButtonRow_); }
    TwipPoint backButton() const { return {kLeftMargin, footTop()}; }
    TwipPoint exitButton() const { return {kExitLeft, footTop()}; }

    TwipRect quietLine(CalculationForm::QuietLine::Says says) const;

    TwipSize clientSize() const { return {clientWidth(), footTop() + 540}; }

  private:
    static constexpr int kLeftMargin = 240;
    static constexpr int kFramesTop = 120;
    static constexpr int kMethodFrameWidth = 4200;
    static constexpr int kFrameGap = 120;
    static constexpr int kRowPitch = 480;
    static constexpr int kInputBoxLeft = 2400;
    static constexpr int kExitLeft = 1680;

    int rowTop(int row) const;
    int footTop() const { return rowTop(rows_) + 180; }
    int commandLeft() const { return unitColumn(0).left; }
    TwipPoint outputCell(int row) const { return {unitColumn(1).left, rowTop(row)}; }
    TwipRect unitColumn(std::size_t column) const;
    int clientWidth() const;

    int methodCount_;
    int frameHeight_;
    std::size_t unitGroups_;
    int outputButtonRow_;
    std::vector<int> outputRows_;
    int rows_;
};

}  // namespace nimbaro
