#include "heat_index_window.h"

namespace nimbaro {
namespace {

constexpr MoistureMethodsNames kNames{
    .calculation = Calculation::HeatIndex,
    .windowName = HeatIndexWindow::kWindowName,
    .title = "Heat Index",
    .pressureNote = "Label8",
    .temperatureFrame = "fmeTemperature",
    .inputLabels = {"Label9", "Label2", "Label11", "Label1", "Label4"},
};

}  // namespace

HeatIndexWindow::HeatIndexWindow(WindowRegistry& registry)
    : MoistureMethodsWindow(registry, kNames) {
    addTemperatureOutputs(kLayout.output(0), kLayout.kRowPitch, {"Label6", "Label7", "Label5"});
    addMethodNotes(kLayout.note());
    addRiskLine(kLayout.riskLine(), {riskText(Risk::Caution), riskText(Risk::ExtremeCaution),
                                     riskText(Risk::Danger), riskText(Risk::ExtremeDanger)});
}

}  // namespace nimbaro
