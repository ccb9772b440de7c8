#include "calculation_layout.h"

#include <algorithm>

namespace nimbaro {
namespace {

constexpr int kMargin = 240;
constexpr int kGap = 120;
constexpr int kFramesTop = 120;
constexpr int kMethodFrameWidth = 4200;
// The first unit column is narrow, for the temperature units; the others have room for
// "Hectopascals/ Millibars".
constexpr int kFirstUnitColumnWidth = 1560;
constexpr int kUnitColumnWidth = 2760;

constexpr int kFirstOptionTop = 360;
constexpr int kOptionPitch = 360;
constexpr int kOptionIndent = 240;
constexpr int kFrameFoot = 180;
constexpr TwipSize kPressureNoteSize = {3720, 480};

constexpr int kRowsBelowFrames = 180;
constexpr int kRowPitch = 480;
constexpr int kInputBoxLeft = 2400;

constexpr int kFootAboveRows = 180;
constexpr int kFootHeight = 540;
constexpr int kExitLeft = 1680;
constexpr int kNoteLeft = 3240;
constexpr int kQuietLineHeight = 375;
constexpr int kQuietLinePitch = 420;

int frameRows(const CalculationForm& form) {
    int rows = static_cast<int>(form.methods.size()) + (form.pressureNote.empty() ? 0 : 1);
    for (const CalculationForm::UnitGroup& group : form.unitGroups) {
        rows = std::max(rows, static_cast<int>(group.options.size()));
    }
    return rows;
}

}  // namespace

CalculationLayout::CalculationLayout(const CalculationForm& form)
    : methodCount_(static_cast<int>(form.methods.size())),
      frameHeight_(kFirstOptionTop + frameRows(form) * kOptionPitch + kFrameFoot),
      unitGroups_(form.unitGroups.size()) {
    // The outputs fill the output column from the top, under the heading and around the
    // Output button where the form places it.
    int row = form.outputHeading.name.empty() ? 0 : 1;
    for (std::size_t output = 0; output < form.outputs.size(); ++output) {
        if (row == form.outputButtonRow) {
            ++row;
        }
        outputRows_.push_back(row++);
    }
    outputButtonRow_ = form.outputButtonRow.value_or(row);
    rows_ = std::max({static_cast<int>(form.inputs.size()), row, outputButtonRow_ + 1});
}

TwipRect CalculationLayout::methodFrame() const {
    return {kMargin, kFramesTop, kMethodFrameWidth, frameHeight_};
}

TwipRect CalculationLayout::unitFrame(std::size_t group) const {
    return unitColumn(group);
}

TwipPoint CalculationLayout::option(TwipRect frame, int row) {
    return {frame.left + kOptionIndent, frame.top + kFirstOptionTop + row * kOptionPitch};
}

TwipRect CalculationLayout::pressureNote() const {
    return {kMargin, kFirstOptionTop + methodCount_ * kOptionPitch, kPressureNoteSize.width,
            kPressureNoteSize.height};
}

TwipPoint CalculationLayout::inputCaption(int row) const {
    return {kMargin, rowTop(row)};
}

TwipPoint CalculationLayout::inputBox(int row) const {
    return {kInputBoxLeft, rowTop(row)};
}

TwipPoint CalculationLayout::outputHeading() const {
    return outputCell(0);
}

TwipPoint CalculationLayout::output(std::size_t output) const {
    return outputCell(outputRows_.at(output));
}

TwipPoint CalculationLayout::calculateButton() const {
    return {unitColumn(0).left, rowTop(0)};
}

TwipPoint CalculationLayout::resetButton() const {
    return {unitColumn(0).left, rowTop(1)};
}

TwipPoint CalculationLayout::outputButton() const {
    return outputCell(outputButtonRow_);
}

TwipPoint CalculationLayout::backButton() const {
    return {kMargin, footTop()};
}

TwipPoint CalculationLayout::exitButton() const {
    return {kExitLeft, footTop()};
}

TwipRect CalculationLayout::quietLine(CalculationForm::QuietLine::Says says) const {
    switch (says) {
        case CalculationForm::QuietLine::Says::RangeNote:
            return {kNoteLeft, footTop(), clientWidth() - kNoteLeft - kGap, kQuietLineHeight};
        case CalculationForm::QuietLine::Says::Risk:
            break;
    }
    return {kMargin, footTop() + kQuietLinePitch, clientWidth() - kMargin - kGap, kQuietLineHeight};
}

TwipSize CalculationLayout::clientSize() const {
    return {clientWidth(), footTop() + kFootHeight};
}

int CalculationLayout::rowTop(int row) const {
    return kFramesTop + frameHeight_ + kRowsBelowFrames + row * kRowPitch;
}

int CalculationLayout::footTop() const {
    return rowTop(rows_) + kFootAboveRows;
}

TwipPoint CalculationLayout::outputCell(int row) const {
    return {unitColumn(1).left, rowTop(row)};
}

TwipRect CalculationLayout::unitColumn(std::size_t column) const {
    TwipRect rect = methodFrame();
    for (std::size_t left = 0; left <= column; ++left) {
        rect.left += rect.width + kGap;
        rect.width = left == 0 ? kFirstUnitColumnWidth : kUnitColumnWidth;
    }
    return rect;
}

// As wide as the output column needs, and wider for more unit frames.
int CalculationLayout::clientWidth() const {
    const TwipRect last = unitColumn(std::max<std::size_t>(unitGroups_, 2) - 1);
    return last.left + last.width + kMargin;
}

}  // namespace nimbaro
