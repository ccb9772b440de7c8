#include "heat_index_window.h"

#include "formulas/heat_index.h"
#include "formulas/psychrometrics.h"

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
}

// The regression works on the air temperature as typed, brought to Fahrenheit; the humidity
// derivations work in Celsius and hectopascals.
OutputValues HeatIndexWindow::fromHumidity(Units units, double airTemperature,
                                           double humidity) const {
    return inEveryTemperatureUnit(
        heatIndex(heatIndexAirTemperature(airTemperature, units.temperature), humidity),
        TemperatureUnit::Fahrenheit);
}

OutputValues HeatIndexWindow::fromDewPoint(Units units, double airTemperature,
                                           double dewPoint) const {
    return fromHumidity(units, airTemperature,
                        relativeHumidity(toCelsius(airTemperature, units.temperature),
                                         toCelsius(dewPoint, units.temperature)));
}

OutputValues HeatIndexWindow::fromWetBulb(Units units, double airTemperature, double wetBulb,
                                          double pressure) const {
    const double air = toCelsius(airTemperature, units.temperature);
    const double dewPoint = dewPointFromWetBulb(air, toCelsius(wetBulb, units.temperature),
                                                toHectopascals(pressure, units.pressure),
                                                WetBulbCorrection::PressureFirst);
    return fromHumidity(units, airTemperature, relativeHumidity(air, dewPoint));
}

}  // namespace nimbaro
