#include "wind_chill_window.h"

#include <QRadioButton>
#include <array>

#include "calculation_layout.h"

namespace nimbaro {
namespace {

// The frames of the other calculation windows, the wind speed group where they have the
// pressure group; it is the tallest group, with four options.
constexpr CalculationLayout kLayout{.methods = 3, .inputRows = 4};

// In the engine's order of the wind chill methods.
constexpr std::array<ControlText, 2> kFormulaOptions = {{
    {"optNewFormula", "&New Formula*", "Calculate Using New Formula"},
    {"optOldFormula", "&Old Formula*", "Calculate Using Old Formula"},
}};

// The window's wind speed options and their units.
constexpr std::array<ControlText, 4> kWindSpeedOptions = {{
    {"optKmPerHour", "&Km / Hour", "Calculate Using Kilometres Per Hour"},
    {"optMPerSec", "&Meters / Sec", "Calculate Using Metres Per Second"},
    {"optMilesPerHour", "Miles / &Hour", "Calculate Using Miles Per Hour"},
    {"optKnots", "Knot&s", "Calculate Using Knots"},
}};
constexpr std::array<WindSpeedUnit, kWindSpeedOptions.size()> kWindSpeedUnits = {
    WindSpeedUnit::KilometresPerHour, WindSpeedUnit::MetresPerSecond, WindSpeedUnit::MilesPerHour,
    WindSpeedUnit::Knots};

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
                        Calculation::WindChill, ResultCheck::None) {
    addMethodFrame("frmFormula", "Select Formula", kLayout.methodFrame(), kFormulaOptions);
    addTemperatureFrame("frmTemperature", kLayout.temperatureFrame());
    windSpeedOptions_ = addOptionFrame("frmWindSpeed", "Wind Speed Data", {},
                                       kLayout.pressureFrame(), kWindSpeedOptions);

    addInput(Input::AirTemperature, "Temperature", "txtInTemp", kLayout.inputBox(0), "Label8",
             "Air Temperature", kLayout.inputLabel(0), "Insert a Number Here");
    addInput(Input::WindSpeed, "Wind Speed", "txtInWind", kLayout.inputBox(1), "Label9",
             "Wind Speed", kLayout.inputLabel(1), "Insert a Number Here");
    addTemperatureOutputs(kLayout.output(0), kLayout.kRowPitch, {"Label6", "Label2", "Label5"});
    addMethodNotes(kLayout.note());
    addRiskLine(kLayout.riskLine(), {riskText(Risk::LowRisk), riskText(Risk::ModerateRisk),
                                     riskText(Risk::HighRisk), riskText(Risk::VeryHighRisk),
                                     riskText(Risk::SevereRisk), riskText(Risk::ExtremeRisk)});

    addCommandButtons(commandButtons());
    load();
}

UnitChoice WindChillWindow::selectedUnits() const {
    UnitChoice units = CalculationWindow::selectedUnits();
    units.windSpeed = kWindSpeedUnits.at(selectedIndex(windSpeedOptions_));
    return units;
}

void WindChillWindow::load() {
    selectDefaults();
    windSpeedOptions_.front()->setChecked(true);
}

}  // namespace nimbaro
