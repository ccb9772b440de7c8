#include "lightning_distance_window.h"

#include "calculation_layout.h"

namespace nimbaro {
namespace {

// The frames and columns of the other calculation windows; the four outputs fill the column
// under the place of the pressure frame, with Output under them.
constexpr CalculationLayout kLayout{.methods = 2, .inputRows = 5};

}  // namespace

LightningDistanceWindow::LightningDistanceWindow(WindowRegistry& registry)
    : CalculationWindow(registry, kWindowName, "Lightning Distance", kLayout.clientSize(),
                        Calculation::LightningDistance, ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("fmeFormula", "Calculate Using:", {}, kLayout.methodFrame());
    addMethodOption(methods, "optNoCorrection", "&No Correction", {}, kLayout.methodOption(0));
    addMethodOption(methods, "optAirTempCorrection", "&Air Temperature Correction", {},
                    kLayout.methodOption(1));
    addTemperatureFrame("fmeTemperature", kLayout.temperatureFrame());

    addInput(Input::Time, "Time", "txtTime", kLayout.inputBox(0), "Label2", "Time (Seconds)",
             kLayout.inputLabel(0));
    addInput(Input::AirTemperature, "Air Temperature", "txtAirTemp", kLayout.inputBox(1), "Label1",
             "Air Temperature", kLayout.inputLabel(1));
    addOutput("lblMetres", "Metres Output Number", kLayout.output(0), "Label3", "Metres");
    addOutput("lblKilometres", "Kilometres Output Number", kLayout.output(1), "Label14",
              "Kilometres");
    addOutput("lblFeet", {}, kLayout.output(2), "Label5", "Feet");
    addOutput("lblMiles", {}, kLayout.output(3), "Label6", "Miles");
    addMethodNotes(kLayout.note());

    addCommandButtons(kLayout.commandButtons(4));
    selectDefaults();
}

}  // namespace nimbaro
