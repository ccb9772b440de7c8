#include "wind_direction_window.h"

#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <string>

#include "locale_bridge.h"
#include "output_label.h"
#include "twip_geometry.h"
#include "wind_direction.h"
#include "window_names.h"

namespace nimbaro {
namespace {

constexpr TwipSize kClientSize{6420, 5940};
constexpr int kMargin = 240;
constexpr int kButtonColumn = 4440;
constexpr int kWideButton = 1695;

// The sixteen options stand in four columns of four, clockwise down each column.
constexpr int kPointColumns[] = {480, 1440, 2400, 3360};
constexpr int kPointRows[] = {900, 1320, 1740, 2160};
constexpr TwipRect kPointsFrame{kMargin, 540, 3975, 2055};
// The options' captions, clockwise from North as the engine lists the points.
constexpr std::array<std::string_view, 16> kPointCaptions = {
    "&N", "&NNE", "&NE", "E&NE", "&E", "E&SE", "&SE", "&SSE",
    "&S", "&SSW", "&SW", "W&SW", "&W", "W&NW", "&NW", "&NNW"};

constexpr int kRangeRow = 2820;
constexpr int kSeparator = 3420;
constexpr int kDirectionHeading = 3600;
constexpr int kDegreesRow = 4020;
constexpr int kDirectionRow = 4620;
constexpr int kBackRow = 5340;

const QString kDegreesPrompt =
    QStringLiteral("Please insert a whole number into the white box between 0 and 360");
const QString kDegreesTitle = QStringLiteral("Numerical Value Needed");

}  // namespace

WindDirectionWindow::WindDirectionWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, window_names::kWindDirection, "Wind Direction Conversions",
                       kClientSize) {
    buildRangeSection();

    auto* separator = new QFrame(this);
    separator->setObjectName("Line1");
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(
        toPixels(TwipRect{kMargin / 2, kSeparator, kClientSize.width - kMargin, 30}));

    buildDirectionSection();
    addBackAndExitButtons({kMargin, kBackRow}, {1800, kBackRow});
}

void WindDirectionWindow::buildRangeSection() {
    addFixedLabel(this, "Label6", "Convert Directions to a Degree Range", {kMargin, 120}, true);
    QGroupBox* frame = addFrame("Frame1", "Select Wind Direction to Convert from Here",
                                "Select Wind Direction to Convert From Here", kPointsFrame);
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const CompassPoint& point = compassPoints()[i];
        const std::string optionName = "opt" + std::string(point.abbreviation);
        const std::string tooltip = "Convert from " + std::string(point.name);
        points_[i] = addOption(frame, optionName, kPointCaptions[i], tooltip,
                               {kPointColumns[i / 4], kPointRows[i % 4]});
        // "NNE" read letter by letter says little; the name says which point it is.
        points_[i]->setAccessibleName(fromUtf8(point.name));
    }
    addButton("cmdConvertRange", "C&onvert Range", "Convert Range",
              {kButtonColumn, 720, kWideButton}, [this] { onConvertRangeClicked(); });
    addButton("cmdResetRange", "O&utput", "Clear All", {kButtonColumn, 1200, kWideButton},
              [this] { onResetRangeClicked(); });

    from_ = addResultLabel("lblFrom", "Degree Range FROM", {kMargin, kRangeRow, 1095});
    addFixedLabel(this, "Label1", "TO", {1440, kRangeRow});
    to_ = addResultLabel("lblTo", "Degrees Range TO", {1800, kRangeRow, 1095});
    addFixedLabel(this, "Label8", "Mid-Point", {3120, kRangeRow});
    midPoint_ = addResultLabel("lblMidPoint", "Degree Range Mid-Point", {3960, kRangeRow, 1215});
    // No unit label stands beside these results; these names say what each one holds.
    from_->setUnitName(QStringLiteral("Degrees from"));
    to_->setUnitName(QStringLiteral("Degrees to"));
    midPoint_->setUnitName(QStringLiteral("Mid-point degrees"));
}

void WindDirectionWindow::buildDirectionSection() {
    addFixedLabel(this, "Label7", "Convert Degrees to a Direction", {kMargin, kDirectionHeading},
                  true);
    degrees_ = addInputBox("txtInputDegrees", "Insert a Number Here", {kMargin, kDegreesRow});
    degrees_->setAccessibleName(QStringLiteral("Degrees to convert"));
    QPushButton* convert = addButton(
        "cmdConvertDirection", "&Convert Direction", "Convert Wind Direction",
        {kButtonColumn, kDegreesRow, kWideButton}, [this] { onConvertDirectionClicked(); });
    addButton("cmdResetDirection", "O&utput", "Clear All",
              {kButtonColumn, kDegreesRow + 480, kWideButton},
              [this] { onResetDirectionClicked(); });
    pressOnEnter(degrees_, convert);

    directionAcr_ = addResultLabel("lblDirectionAcr", "Output for Wind Direction",
                                   {kMargin, kDirectionRow, 1095});
    direction_ =
        addResultLabel("lblDirection", "Output for Wind Direction", {1440, kDirectionRow, 2415});
    directionAcr_->setUnitName(QStringLiteral("Compass point"));
    direction_->setUnitName(QStringLiteral("Direction"));
}

void WindDirectionWindow::onConvertRangeClicked() {
    const NumberLocale locale = numberLocale();
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (points_[i]->isChecked()) {
            from_->setText(fromUtf8(boundText(compassPoints()[i].from, locale)));
            midPoint_->setText(fromUtf8(midPointText(i, locale)));
            to_->setText(fromUtf8(boundText(compassPoints()[i].to, locale)));
            return;
        }
    }
}

void WindDirectionWindow::onResetRangeClicked() {
    from_->clear();
    to_->clear();
    midPoint_->clear();
}

void WindDirectionWindow::onConvertDirectionClicked() {
    if (!numberCheck(degrees_, kDegreesPrompt, kDegreesTitle)) {
        return;
    }
    // The box shows the entry as the whole number it is taken for, even when it is refused.
    const NumberLocale locale = numberLocale();
    degrees_->setText(fromUtf8(wholeDegreesText(*numberIn(degrees_), locale)));
    const std::optional<double> degrees = numberIn(degrees_);
    const std::optional<std::size_t> point = degrees ? compassPointFor(*degrees) : std::nullopt;
    if (!point) {
        showMessage(kDegreesPrompt, kDegreesTitle);
        focusAndSelect(degrees_);
        return;
    }
    directionAcr_->setText(fromUtf8(compassPoints()[*point].abbreviation));
    direction_->setText(fromUtf8(compassPoints()[*point].name));
}

void WindDirectionWindow::onResetDirectionClicked() {
    degrees_->clear();
    direction_->clear();
    directionAcr_->clear();
}

}  // namespace nimbaro
