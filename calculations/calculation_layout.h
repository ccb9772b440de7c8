#pragma once

#include "calculation_window.h"
#include "twips.h"

// The common layout of the moisture windows: the three option frames along the top, the
// input boxes with their labels down the left, the buttons under the temperature frame and the
// outputs with their unit labels under the pressure frame.
namespace nimbaro::calculation_layout {

inline constexpr TwipSize kClientSize{9240, 4560};

inline constexpr TwipRect kMethodFrame{240, 120, 4200, 1620};
inline constexpr TwipRect kTemperatureFrame{4560, 120, 1560, 1620};
inline constexpr TwipRect kPressureFrame{6240, 120, 2760, 1620};
// Under the method options, inside the method frame.
inline constexpr TwipRect kPressureNote{240, 1080, 3720, 480};

constexpr TwipRect methodOption(int row) {
    return {kMethodFrame.left + 240, kMethodFrame.top + 360 + row * 360};
}

inline constexpr int kRowPitch = 480;
inline constexpr int kFirstRowTop = 1920;

constexpr int rowTop(int row) {
    return kFirstRowTop + row * kRowPitch;
}

constexpr TwipPoint inputLabel(int row) {
    return {240, rowTop(row)};
}

constexpr TwipPoint inputBox(int row) {
    return {2400, rowTop(row)};
}

constexpr TwipPoint output(int row) {
    return {kPressureFrame.left, rowTop(row)};
}

inline constexpr CommandButtons kCommandButtons{
    .calculate = {kTemperatureFrame.left, rowTop(0)},
    .reset = {kTemperatureFrame.left, rowTop(1)},
    .output = {kPressureFrame.left, rowTop(3)},
    .back = {240, 4020},
    .exit = {1680, 4020},
};

}  // namespace nimbaro::calculation_layout
