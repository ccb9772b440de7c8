#include "wind_chill_window.h"

#include <QRadioButton>
#include <array>

#include "calculation_layout.h"
#include "formulas/wind_chill.h"
#include "range_notes.h"

namespace nimbaro {
namespace {

// The frames of the other calculation windows, the wind speed group where they have the
// pressure group; it is the tallest group, with four options.
constexpr CalculationLayout kLayout{.methods = 3, .inputRows = 4};

constexpr std::array<ControlText, 2> kFormulaOptions = {{
    {"optNewFormula", "&New Formula*", "Calculate Using New Formula"},
    {"optOldFormula", "&Old Formula*", "Calculate Using Old Formula"},
}};

// In the order of WindSpeedUnit.
constexpr std::array<ControlText, 4> kWindSpeedOptions = {{
    {"optKmPerHour", "&Km / Hour", "Calculate Using Kilometres Per Hour"},
    {"optMPerSec", "&Meters / Sec", "Calculate Using Metres Per Second"},
    {"optMilesPerHour", "Miles / &Hour", "Calculate Using Miles Per Hour"},
    {"optKnots", "Knot&s", "Calculate Using Knots"},
}};

CommandButtons commandButtons() {
    CommandButtons buttons = kLayout.commandButtons();
    buttons.calculateTooltip = "Calculate Number";
    buttons.resetTooltip = "Clear All Numbers";
    buttons.outputTooltip = "Clear All Numbers";
    return buttons;
}

}  // namespace

WindChillWindow::WindChillWindow(WindowRegistry& registry)
    : CalculationWindow(registry, kWindowName, "Wind Chill Calculations", kLayout.clientSize(),
                        ResultCheck::None) {
    formulaOptions_ =
        addOptionFrame("frmFormula", "Select Formula", {}, kLayout.methodFrame(), kFormulaOptions);
    addTemperatureFrame("frmTemperature", kLayout.temperatureFrame());
    windSpeedOptions_ = addOptionFrame("frmWindSpeed", "Wind Speed Data", {},
                                       kLayout.pressureFrame(), kWindSpeedOptions);

    txtInTemp_ = addInput("txtInTemp", kLayout.inputBox(0), "Label8", "Air Temperature",
                          kLayout.inputLabel(0), "Insert a Number Here");
    txtInWind_ = addInput("txtInWind", kLayout.inputBox(1), "Label9", "Wind Speed",
                          kLayout.inputLabel(1), "Insert a Number Here");
    addTemperatureOutputs(kLayout.output(0), kLayout.kRowPitch, {"Label6", "Label2", "Label5"});
    addResultNote(kLayout.note(),
                  {range_notes::kWindChillAbove50F, range_notes::kWindChillBelow3Mph,
                   range_notes::kWindChillOutsideBoth});

    addCommandButtons(commandButtons());
    Form_Load();
}

void WindChillWindow::Form_Load() {
    formulaOptions_.front()->setChecked(true);
    temperatureOptions().front()->setChecked(true);
    windSpeedOptions_.front()->setChecked(true);
}

CalculationWindow::Outcome WindChillWindow::calculate() {
    const std::optional<double> temperature = checkedNumber(txtInTemp_, "Temperature");
    if (!temperature) {
        return stopped();
    }
    const std::optional<double> windSpeed = checkedNumber(txtInWind_, "Wind Speed");
    if (!windSpeed ||
        !rangeCheck(txtInWind_, *windSpeed > 0,
                    "Please insert a number greater than 0 into the white box (Wind Speed)",
                    "Positive Value Needed")) {
        return stopped();
    }
    const std::optional<Formula> formula = selectedAs<Formula>(formulaOptions_);
    const std::optional<TemperatureUnit> temperatureUnit = this->temperatureUnit();
    const std::optional<WindSpeedUnit> windSpeedUnit = selectedAs<WindSpeedUnit>(windSpeedOptions_);
    if (!formula || !temperatureUnit || !windSpeedUnit) {
        return stopped();
    }
    if (*formula == Formula::Old) {
        return compute([=] {
            return oldWindChill(*temperature, *temperatureUnit, *windSpeed, *windSpeedUnit);
        });
    }
    return compute([=, this] {
        noteNewFormulaRange(
            newWindChillRange(*temperature, *temperatureUnit, *windSpeed, *windSpeedUnit));
        return newWindChill(*temperature, *temperatureUnit, *windSpeed, *windSpeedUnit);
    });
}

void WindChillWindow::noteNewFormulaRange(WindChillRange range) {
    if (!range.temperatureInRange && !range.windInRange) {
        noteOutsideRange(range_notes::kWindChillOutsideBoth);
    } else if (!range.temperatureInRange) {
        noteOutsideRange(range_notes::kWindChillAbove50F);
    } else if (!range.windInRange) {
        noteOutsideRange(range_notes::kWindChillBelow3Mph);
    }
}

}  // namespace nimbaro
