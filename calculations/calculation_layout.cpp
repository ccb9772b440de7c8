#include "calculation_layout.h"

#include <algorithm>

namespace nimbaro {
namespace {

constexpr int kFirstOptionTop = 360;
constexpr int kOptionPitch = 360;
constexpr int kOptionIndent = 240;
constexpr int kFrameFoot = 180;
// The first unit column is narrow, for the temperature units; the others have room for
// "Hectopascals/ Millibars".
constexpr int kFirstUnitColumnWidth = 1560;
constexpr int kUnitColumnWidth = 2760;
constexpr int kNarrowestClient = 9240;
constexpr int kRightMargin = 240;
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
    return {kLeftMargin, kFramesTop, kMethodFrameWidth, frameHeight_};
}

TwipRect CalculationLayout::unitFrame(std::size_t group) const {
    return unitColumn(group);
}

TwipPoint CalculationLayout::option(TwipRect frame, int row) {
    return {frame.left + kOptionIndent, frame.top + kFirstOptionTop + row * kOptionPitch};
}

TwipRect CalculationLayout::pressureNote() const {
    return {kLeftMargin, kFirstOptionTop + methodCount_ * kOptionPitch, 3720, 480};
}

TwipPoint CalculationLayout::output(std::size_t output) const {
    return outputCell(outputRows_.at(output));
}

TwipRect CalculationLayout::quietLine(CalculationForm::QuietLine::Says says) const {
    switch (says) {
        case CalculationForm::QuietLine::Says::RangeNote:
            return {kNoteLeft, footTop(), clientWidth() - kNoteLeft - 120, kQuietLineHeight};
        case CalculationForm::QuietLine::Says::Risk:
            break;
    }
    return {kLeftMargin, footTop() + kQuietLinePitch, clientWidth() - kLeftMargin - 120,
            kQuietLineHeight};
}

int CalculationLayout::rowTop(int row) const {
    return kFramesTop + frameHeight_ + 180 + row * kRowPitch;
}

TwipRect CalculationLayout::unitColumn(std::size_t column) const {
    TwipRect rect = methodFrame();
    for (std::size_t left = 0; left <= column; ++left) {
        rect.left += rect.width + kFrameGap;
        rect.width = left == 0 ? kFirstUnitColumnWidth : kUnitColumnWidth;
    }
    return rect;
}

int CalculationLayout::clientWidth() const {
    if (unitGroups_ == 0) {
        return kNarrowestClient;
    }
    const TwipRect last = unitColumn(unitGroups_ - 1);
    return std::max(kNarrowestClient, last.left + last.width + kRightMargin);
}

}  // namespace nimbaro
