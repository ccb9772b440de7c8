#include "wet_bulb_window.h"

#include <QRadioButton>

#include "calculation_layout.h"

namespace nimbaro {

namespace {

constexpr CalculationLayout kLayout{.methods = 2, .inputRows = 4};

}  // namespace

WetBulbWindow::WetBulbWindow(WindowRegistry& registry)
    : CalculationWindow(registry, kWindowName, "Wet Bulb Temperature", kLayout.clientSize(),
                        Calculation::WetBulb, ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("Frame1", "Calculate Using:", {}, kLayout.methodFrame());
    optAirTempHumidity_ =
        addMethodOption(methods, "optAirTempHumidity", "Air Temperature + &Humidity", {},
                        kLayout.methodOption(0), [this] { onAirTempHumidityChosen(); });
    optAirTempDewPoint_ =
        addMethodOption(methods, "optAirTempDewPoint", "Air Temperature + &Dew Point", {},
                        kLayout.methodOption(1), [this] { onAirTempDewPointChosen(); });
    addPressureNote(methods, "Label4", kLayout.pressureNote());
    addTemperatureFrame("fmeTemperature", kLayout.temperatureFrame());
    addPressureFrame("optHectopascalsMillibars", kLayout.pressureFrame());

    addInput(Input::AirTemperature, "Air Temperature", "txtAirTemp", kLayout.inputBox(0), "Label1",
             "Air Temperature", kLayout.inputLabel(0));
    txtHumidity_ = addInput(Input::Humidity, "Humidity", "txtHumidity", kLayout.inputBox(1),
                            "Label2", "Humidity", kLayout.inputLabel(1));
    txtDewPoint_ = addInput(Input::DewPoint, "Dew Point", "txtDewPoint", kLayout.inputBox(2),
                            "Label3", "Dew Point", kLayout.inputLabel(2));
    addInput(Input::AirPressure, "Air Pressure", "txtAirPressure", kLayout.inputBox(3), "Label8",
             "Air Pressure (Sea Level)", kLayout.inputLabel(3));
    addTemperatureOutputs(kLayout.output(0), kLayout.kRowPitch, {"Label6", "Label7", "Label5"});
    addResultNote(kLayout.note(), {noteText(RangeNote::DewPointAboveAir)});

    addCommandButtons(kLayout.commandButtons());
    load();
}

void WetBulbWindow::load() {
    optAirTempHumidity_->setChecked(true);
    temperatureOptions().front()->setChecked(true);
    pressureOptions().front()->setChecked(true);
}

void WetBulbWindow::onAirTempHumidityChosen() {
    applyMethodState({.used = {txtHumidity_}, .unused = {txtDewPoint_}});
}

void WetBulbWindow::onAirTempDewPointChosen() {
    applyMethodState({.used = {txtDewPoint_}, .unused = {txtHumidity_}});
}

}  // namespace nimbaro
