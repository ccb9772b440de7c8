#include "lightning_distance_window.h"

#include <QRadioButton>

#include "calculation_layout.h"
#include "formulas/lightning.h"
#include "range_notes.h"

namespace nimbaro {
namespace {

// The frames and columns of the other calculation windows; the four outputs fill the column
// under the place of the pressure frame, with Output under them.
constexpr CalculationLayout kLayout{.methods = 2, .inputRows = 5};

}  // namespace

LightningDistanceWindow::LightningDistanceWindow(WindowRegistry& registry)
    : CalculationWindow(registry, kWindowName, "Lightning Distance", kLayout.clientSize(),
                        ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("fmeFormula", "Calculate Using:", {}, kLayout.methodFrame());
    optNoCorrection_ =
        addMethodOption(methods, "optNoCorrection", "&No Correction", {}, kLayout.methodOption(0),
                        [this] { optNoCorrection_Click(); });
    optAirTempCorrection_ =
        addMethodOption(methods, "optAirTempCorrection", "&Air Temperature Correction", {},
                        kLayout.methodOption(1), [this] { optAirTempCorrection_Click(); });
    addTemperatureFrame("fmeTemperature", kLayout.temperatureFrame());

    txtTime_ =
        addInput("txtTime", kLayout.inputBox(0), "Label2", "Time (Seconds)", kLayout.inputLabel(0));
    txtAirTemp_ = addInput("txtAirTemp", kLayout.inputBox(1), "Label1", "Air Temperature",
                           kLayout.inputLabel(1));
    addOutput("lblMetres", "Metres Output Number", kLayout.output(0), "Label3", "Metres");
    addOutput("lblKilometres", "Kilometres Output Number", kLayout.output(1), "Label14",
              "Kilometres");
    addOutput("lblFeet", {}, kLayout.output(2), "Label5", "Feet");
    addOutput("lblMiles", {}, kLayout.output(3), "Label6", "Miles");
    addResultNote(kLayout.note(), {range_notes::kNegativeSpeedOfSound});

    addCommandButtons(kLayout.commandButtons(4));
    Form_Load();
}

void LightningDistanceWindow::Form_Load() {
    optNoCorrection_->setChecked(true);
    temperatureOptions().front()->setChecked(true);
}

void LightningDistanceWindow::optNoCorrection_Click() {
    applyCorrection(!optNoCorrection_->isChecked());
}

void LightningDistanceWindow::optAirTempCorrection_Click() {
    applyCorrection(optAirTempCorrection_->isChecked());
}

void LightningDistanceWindow::applyCorrection(bool corrected) {
    if (corrected) {
        applyMethodState({.used = {txtAirTemp_}, .enabledOptions = temperatureOptions()});
    } else {
        applyMethodState({.unused = {txtAirTemp_}, .disabledOptions = temperatureOptions()});
    }
}

// The time is checked, and its range, before the air temperature is looked at.
CalculationWindow::Outcome LightningDistanceWindow::calculate() {
    const bool corrected = optAirTempCorrection_->isChecked();
    if (!corrected && !optNoCorrection_->isChecked()) {
        return stopped();
    }
    const std::optional<double> seconds = checkedNumber(txtTime_, "Time");
    if (!seconds || !rangeCheck(txtTime_, *seconds > 0,
                                "Please insert a number greater than 0 into the white box (Time)",
                                "Valid Time Value Needed")) {
        return stopped();
    }
    if (!corrected) {
        return compute([=] { return lightningDistances(*seconds, kUncorrectedSpeedOfSound); });
    }
    const std::optional<double> airTemperature = checkedNumber(txtAirTemp_, "Air Temperature");
    const std::optional<TemperatureUnit> unit = airTemperature ? temperatureUnit() : std::nullopt;
    if (!unit) {
        return stopped();
    }
    return compute([=, this] {
        const double speed = speedOfSound(toCelsius(*airTemperature, *unit));
        if (!speedOfSoundInRange(speed)) {
            noteOutsideRange(range_notes::kNegativeSpeedOfSound);
        }
        return lightningDistances(*seconds, speed);
    });
}

}  // namespace nimbaro
