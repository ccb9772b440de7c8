#pragma once

#include "calculation_window.h"
#include "twips.h"

namespace nimbaro {

// The common layout of the moisture windows: the three option frames along the top, the
// input boxes with their labels down the left, the buttons under the temperature frame and the
// outputs with their unit labels under the pressure frame. The frames grow with the number of
// input methods, the window with the number of input rows.
struct CalculationLayout {
    int methods = 2;
    int inputRows = 4;

    static constexpr int kRowPitch = 480;

    constexpr int frameHeight() const { return 900 + methods * kOptionPitch; }
    constexpr TwipRect methodFrame() const { return {240, kFramesTop, 4200, frameHeight()}; }
    constexpr TwipRect temperatureFrame() const {
        return {kTemperatureLeft, kFramesTop, 1560, frameHeight()};
    }
    constexpr TwipRect pressureFrame() const {
        return {kPressureLeft, kFramesTop, 2760, frameHeight()};
    }
    constexpr TwipRect methodOption(int row) const {
        return {480, kFramesTop + 360 + row * kOptionPitch};
    }
    // Under the method options, inside the method frame.
    constexpr TwipRect pressureNote() const {
        return {240, 360 + methods * kOptionPitch, 3720, 480};
    }

    constexpr int rowTop(int row) const {
        return kFramesTop + frameHeight() + 180 + row * kRowPitch;
    }
    constexpr TwipPoint inputLabel(int row) const { return {240, rowTop(row)}; }
    constexpr TwipPoint inputBox(int row) const { return {2400, rowTop(row)}; }
    constexpr TwipPoint output(int row) const { return {kPressureLeft, rowTop(row)}; }

    constexpr TwipSize clientSize() const { return {kClientWidth, buttonsTop() + 540}; }
    // Calculate and Reset under the temperature frame, Output in the output column at
    // `outputButtonRow`, Back and Exit under the input rows.
    constexpr CommandButtons commandButtons(int outputButtonRow = 3) const {
        return {
            .calculate = {kTemperatureLeft, rowTop(0)},
            .reset = {kTemperatureLeft, rowTop(1)},
            .output = output(outputButtonRow),
            .back = {240, buttonsTop()},
            .exit = {1680, buttonsTop()},
        };
    }

    // A note on the result, on the bottom row beside Back and Exit, to the right edge.
    constexpr TwipRect note() const {
        return {kNoteLeft, buttonsTop(), kClientWidth - kNoteLeft - 120, 375};
    }
    // What a result means for people outside, on a row of its own under Back and Exit.
    constexpr TwipRect riskLine() const {
        return {240, buttonsTop() + 420, kClientWidth - 360, 375};
    }

  private:
    static constexpr int kClientWidth = 9240;
    static constexpr int kNoteLeft = 3240;
    static constexpr int kFramesTop = 120;
    static constexpr int kOptionPitch = 360;
    static constexpr int kTemperatureLeft = 4560;
    static constexpr int kPressureLeft = 6240;

    constexpr int buttonsTop() const { return rowTop(inputRows) + 180; }
};

}  // namespace nimbaro
