#include "cloud_height_window.h"

namespace nimbaro {
namespace {

constexpr MoistureMethodsNames kNames{
    .calculation = Calculation::CloudHeight,
    .windowName = CloudHeightWindow::kWindowName,
    .title = "Cloud Base Height of Convective Cumulus",
    .pressureNote = "Label3",
    .temperatureFrame = "Frame1",
    .temperatureTooltips = false,
    .inputLabels = {"Label1", "Label8", "Label11", "Label7", "Label4"},
    .outputButtonRow = 0,
};

}  // namespace

CloudHeightWindow::CloudHeightWindow(WindowRegistry& registry)
    : MoistureMethodsWindow(registry, kNames) {
    addOutput("lblMetres", "Metres Output Number", kLayout.output(1), "Label5", "Metres");
    addOutput("lblFeet", "Feet Output Number", kLayout.output(2), "Label6", "Feet");
    addMethodNotes(kLayout.note());
}

}  // namespace nimbaro
