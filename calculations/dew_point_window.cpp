#include "dew_point_window.h"

#include <QRadioButton>

#include "calculation_layout.h"

namespace nimbaro {

namespace {

constexpr CalculationLayout kLayout{.methods = 2, .inputRows = 4};

}  // namespace

DewPointWindow::DewPointWindow(WindowRegistry& registry)
    : CalculationWindow(registry, kWindowName, "Dew Point Temperature", kLayout.clientSize(),
                        Calculation::DewPoint, ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("fmeFormula", "Calculate Using:", {}, kLayout.methodFrame());
    optAirTempHumidity_ =
        addMethodOption(methods, "optAirTempHumidity", "Air Temperature + &Humidity", {},
                        kLayout.methodOption(0), [this] { onAirTempHumidityChosen(); });
    optAirTempWetBulbAirPressure_ = addMethodOption(
        methods, "optAirTempWetBulbAirPressure", "Air Temperature, &Wet-Bulb + Air Pressure*", {},
        kLayout.methodOption(1), [this] { onAirTempWetBulbPressureChosen(); });
    addPressureNote(methods, "Label8", kLayout.pressureNote());
    addTemperatureFrame("fmeTemperature", kLayout.temperatureFrame());
    addPressureFrame("optHectopascalsMillibars", kLayout.pressureFrame());

    addInput(Input::AirTemperature, "Air Temperature", "txtAirTemp", kLayout.inputBox(0), "Label1",
             "Air Temperature", kLayout.inputLabel(0));
    txtHumidity_ = addInput(Input::Humidity, "Humidity", "txtHumidity", kLayout.inputBox(1),
                            "Label2", "Humidity", kLayout.inputLabel(1));
    txtWetBulb_ = addInput(Input::WetBulb, "Wet-Bulb", "txtWetBulb", kLayout.inputBox(2), "Label3",
                           "Wet-Bulb Temperature", kLayout.inputLabel(2));
    txtAirPressure_ =
        addInput(Input::AirPressure, "Air Pressure", "txtAirPressure", kLayout.inputBox(3),
                 "Label4", "Air Pressure (Sea Level)", kLayout.inputLabel(3));
    addTemperatureOutputs(kLayout.output(0), kLayout.kRowPitch, {"Label6", "Label7", "Label5"});
    addResultNote(kLayout.note(), {noteText(RangeNote::WetBulbAboveAir)});

    addCommandButtons(kLayout.commandButtons());
    load();
}

void DewPointWindow::load() {
    optAirTempHumidity_->setChecked(true);
    temperatureOptions().front()->setChecked(true);
}

void DewPointWindow::onAirTempHumidityChosen() {
    applyMethodState(withoutPressure({txtHumidity_}, {txtWetBulb_, txtAirPressure_}));
}

void DewPointWindow::onAirTempWetBulbPressureChosen() {
    applyMethodState(withPressure({txtWetBulb_, txtAirPressure_}, {txtHumidity_}));
}

}  // namespace nimbaro
