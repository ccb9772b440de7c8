#include "moisture_methods_window.h"

namespace nimbaro {

MoistureMethodsWindow::MoistureMethodsWindow(WindowRegistry& registry,
                                             const MoistureMethodsNames& names)
    : CalculationWindow(registry, names.windowName, names.title, kLayout.clientSize(),
                        names.calculation, ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("fmeFormula", "Calculate Using:", {}, kLayout.methodFrame());
    optAirTempHumidity_ = addMethodOption(
        methods, "optAirTempHumidity", "Air Temperature + &Humidity", {}, kLayout.methodOption(0));
    optAirTempDew_ = addMethodOption(methods, "optAirTempDew", "Air Temperature + &Dew-Point", {},
                                     kLayout.methodOption(1));
    optAirTempWetBAirPressure_ =
        addMethodOption(methods, "optAirTempWetBAirPressure",
                        "Air Temperature, &Wet-Bulb + Air Pressure", {}, kLayout.methodOption(2));
    addPressureNote(methods, names.pressureNote, kLayout.pressureNote());
    addTemperatureFrame(names.temperatureFrame, kLayout.temperatureFrame(),
                        names.temperatureTooltips);
    addPressureFrame("optHpaMb", kLayout.pressureFrame());

    const auto& labels = names.inputLabels;
    addInput(Input::AirTemperature, "Air Temperature", "txtAirTemp", kLayout.inputBox(0), labels[0],
             "Air Temperature", kLayout.inputLabel(0));
    addInput(Input::Humidity, "Humidity", "txtHumidity", kLayout.inputBox(1), labels[1], "Humidity",
             kLayout.inputLabel(1));
    addInput(Input::DewPoint, "Dew-Point Temperature", "txtDewPoint", kLayout.inputBox(2),
             labels[2], "Dew-Point", kLayout.inputLabel(2));
    addInput(Input::WetBulb, "Wet-Bulb", "txtWetBulb", kLayout.inputBox(3), labels[3],
             "Wet-Bulb Temperature", kLayout.inputLabel(3));
    addInput(Input::AirPressure, "Air Pressure", "txtAirPressure", kLayout.inputBox(4), labels[4],
             "Air Pressure (Sea Level)", kLayout.inputLabel(4));

    addCommandButtons(kLayout.commandButtons(names.outputButtonRow));
    selectDefaults();
}

}  // namespace nimbaro
