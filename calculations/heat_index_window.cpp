#include "heat_index_window.h"

#include "formulas/heat_index.h"
#include "formulas/psychrometrics.h"
#include "range_notes.h"

namespace nimbaro {
namespace {

constexpr MoistureMethodsNames kNames{
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
    addResultNote(kLayout.note(), {range_notes::kHeatIndexBelow80F, range_notes::kDewPointAboveAir,
                                   range_notes::kWetBulbAboveAir});
}

// The regression works on the air temperature as typed, brought to Fahrenheit; the humidity
// derivations work in Celsius and hectopascals.
OutputValues HeatIndexWindow::fromHumidity(Units units, double airTemperature, double humidity) {
    const double fahrenheit = heatIndexAirTemperature(airTemperature, units.temperature);
    if (!heatIndexInRange(fahrenheit)) {
        noteOutsideRange(range_notes::kHeatIndexBelow80F);
    }
    return inEveryTemperatureUnit(heatIndex(fahrenheit, humidity), TemperatureUnit::Fahrenheit);
}

OutputValues HeatIndexWindow::fromDewPoint(Units units, double airTemperature, double dewPoint) {
    if (supersaturated(airTemperature, dewPoint)) {
        noteOutsideRange(range_notes::kDewPointAboveAir);
    }
    return fromHumidity(units, airTemperature,
                        relativeHumidity(toCelsius(airTemperature, units.temperature),
                                         toCelsius(dewPoint, units.temperature)));
}

OutputValues HeatIndexWindow::fromWetBulb(Units units, double airTemperature, double wetBulb,
                                          double pressure) {
    if (supersaturated(airTemperature, wetBulb)) {
        noteOutsideRange(range_notes::kWetBulbAboveAir);
    }
    const double air = toCelsius(airTemperature, units.temperature);
    const double dewPoint = dewPointFromWetBulb(air, toCelsius(wetBulb, units.temperature),
                                                toHectopascals(pressure, units.pressure),
                                                WetBulbCorrection::PressureFirst);
    return fromHumidity(units, airTemperature, relativeHumidity(air, dewPoint));
}

}  // namespace nimbaro
