#include "cloud_height_window.h"

#include "formulas/cloud_base.h"
#include "formulas/psychrometrics.h"
#include "range_notes.h"

namespace nimbaro {
namespace {

constexpr MoistureMethodsNames kNames{
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
    addResultNote(kLayout.note(), {range_notes::kNoCloudBase});
}

OutputValues CloudHeightWindow::heights(double airTemperature, double dewPoint) {
    OutputValues heights = cloudBaseHeight(airTemperature, dewPoint);
    if (!hasCloudBase(heights.front())) {
        noteOutsideRange(range_notes::kNoCloudBase);
    }
    return heights;
}

// A derived dew point makes the trip through the typed unit; a typed one does not.
OutputValues CloudHeightWindow::fromHumidity(Units units, double airTemperature, double humidity) {
    const double air = toCelsius(airTemperature, units.temperature);
    return heights(air, throughTypedUnit(dewPointFromHumidity(air, humidity), units.temperature));
}

OutputValues CloudHeightWindow::fromDewPoint(Units units, double airTemperature, double dewPoint) {
    return heights(toCelsius(airTemperature, units.temperature),
                   toCelsius(dewPoint, units.temperature));
}

OutputValues CloudHeightWindow::fromWetBulb(Units units, double airTemperature, double wetBulb,
                                            double pressure) {
    const double air = toCelsius(airTemperature, units.temperature);
    const double dewPoint = dewPointFromWetBulb(air, toCelsius(wetBulb, units.temperature),
                                                toHectopascals(pressure, units.pressure),
                                                WetBulbCorrection::PressureFirst);
    return heights(air, throughTypedUnit(dewPoint, units.temperature));
}

}  // namespace nimbaro
