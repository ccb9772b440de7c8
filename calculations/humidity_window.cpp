#include "humidity_window.h"

#include <QRadioButton>

#include "calculation_layout.h"

namespace nimbaro {

namespace {

constexpr CalculationLayout kLayout{.methods = 2, .inputRows = 4};

}  // namespace

HumidityWindow::HumidityWindow(WindowRegistry& registry)
    : CalculationWindow(registry, kWindowName, "Humidity", kLayout.clientSize(),
                        Calculation::RelativeHumidity, ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("fmeFormula", "Calculate Using:", {}, kLayout.methodFrame());
    optAirTempDewPoint_ =
        addMethodOption(methods, "optAirTempDewPoint", "Air Temperature + &Dew-Point*", {},
                        kLayout.methodOption(0), [this] { onAirTempDewPointChosen(); });
    optAirTempWetBulbAirPressure_ = addMethodOption(
        methods, "optAirTempWetBulbAirPressure", "Air Temperature, &Wet-Bulb + Air Pressure*", {},
        kLayout.methodOption(1), [this] { onAirTempWetBulbPressureChosen(); });
    addPressureNote(methods, "Label8", kLayout.pressureNote());
    addTemperatureFrame("fmeTemperature", kLayout.temperatureFrame());
    addPressureFrame("optHpaMb", kLayout.pressureFrame());

    addInput(Input::AirTemperature, "Air Temperature", "txtAirTemp", kLayout.inputBox(0), "Label1",
             "Air Temperature", kLayout.inputLabel(0));
    txtDewPoint_ = addInput(Input::DewPoint, "Dew Point", "txtDewPoint", kLayout.inputBox(1),
                            "Label2", "Dew-Point Temperature", kLayout.inputLabel(1));
    txtWetBulb_ = addInput(Input::WetBulb, "Wet-Bulb", "txtWetBulb", kLayout.inputBox(2), "Label3",
                           "Wet-Bulb Temperature", kLayout.inputLabel(2));
    txtAirPressure_ =
        addInput(Input::AirPressure, "Air Pressure", "txtAirPressure", kLayout.inputBox(3),
                 "Label4", "Air Pressure (Sea Level)", kLayout.inputLabel(3));

    addFixedLabel(this, "Label12", "Relative Humidity",
                  {kLayout.output(0).left, kLayout.output(0).top});
    addOutput("lblHumidity", "Relative Humidity Output Number", kLayout.output(1), "Label7",
              "Percent");
    addResultNote(kLayout.note(),
                  {noteText(RangeNote::DewPointAboveAir), noteText(RangeNote::WetBulbAboveAir)});

    addCommandButtons(kLayout.commandButtons());
    load();
}

void HumidityWindow::load() {
    optAirTempDewPoint_->setChecked(true);
    temperatureOptions().front()->setChecked(true);
}

void HumidityWindow::onAirTempDewPointChosen() {
    applyMethodState(withoutPressure({txtDewPoint_}, {txtWetBulb_, txtAirPressure_}));
}

void HumidityWindow::onAirTempWetBulbPressureChosen() {
    applyMethodState(withPressure({txtWetBulb_, txtAirPressure_}, {txtDewPoint_}));
}

}  // namespace nimbaro
