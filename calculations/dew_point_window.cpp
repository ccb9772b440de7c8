#include "dew_point_window.h"

#include <QRadioButton>

#include "calculation_layout.h"
#include "formulas/psychrometrics.h"

namespace nimbaro {

using namespace calculation_layout;

DewPointWindow::DewPointWindow(WindowRegistry& registry)
    : CalculationWindow(registry, kWindowName, "Dew Point Temperature", kClientSize,
                        ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("fmeFormula", "Calculate Using:", {}, kMethodFrame);
    optAirTempHumidity_ =
        addMethodOption(methods, "optAirTempHumidity", "Air Temperature + &Humidity", {},
                        methodOption(0), [this] { optAirTempHumidity_Click(); });
    optAirTempWetBulbAirPressure_ = addMethodOption(
        methods, "optAirTempWetBulbAirPressure", "Air Temperature, &Wet-Bulb + Air Pressure*", {},
        methodOption(1), [this] { optAirTempWetBulbAirPressure_Click(); });
    addPressureNote(methods, "Label8", kPressureNote);
    addTemperatureFrame("fmeTemperature", kTemperatureFrame);
    addPressureFrame("optHectopascalsMillibars", kPressureFrame);

    txtAirTemp_ = addInput("txtAirTemp", inputBox(0), "Label1", "Air Temperature", inputLabel(0));
    txtHumidity_ = addInput("txtHumidity", inputBox(1), "Label2", "Humidity", inputLabel(1));
    txtWetBulb_ =
        addInput("txtWetBulb", inputBox(2), "Label3", "Wet-Bulb Temperature", inputLabel(2));
    txtAirPressure_ = addInput("txtAirPressure", inputBox(3), "Label4", "Air Pressure (Sea Level)",
                               inputLabel(3));
    addTemperatureOutputs(output(0), kRowPitch, {"Label6", "Label7", "Label5"});

    addCommandButtons(kCommandButtons);
    Form_Load();
}

void DewPointWindow::Form_Load() {
    optAirTempHumidity_->setChecked(true);
    temperatureOptions().front()->setChecked(true);
}

void DewPointWindow::optAirTempHumidity_Click() {
    applyMethodState(withoutPressure({txtHumidity_}, {txtWetBulb_, txtAirPressure_}));
}

void DewPointWindow::optAirTempWetBulbAirPressure_Click() {
    applyMethodState(withPressure({txtWetBulb_, txtAirPressure_}, {txtHumidity_}));
}

CalculationWindow::Outcome DewPointWindow::calculate() {
    using enum Reading::Kind;
    if (optAirTempHumidity_->isChecked()) {
        return computeFrom(
            {{txtAirTemp_, "Air Temperature", Temperature}, {txtHumidity_, "Humidity", Humidity}},
            [](double air, double humidity) {
                return inEveryTemperatureUnit(dewPointFromHumidity(air, humidity));
            });
    }
    if (optAirTempWetBulbAirPressure_->isChecked()) {
        return computeFrom(
            {{txtAirTemp_, "Air Temperature", Temperature},
             {txtWetBulb_, "Wet-Bulb", Temperature},
             {txtAirPressure_, "Air Pressure", Pressure}},
            [](double air, double wetBulb, double pressure) {
                return inEveryTemperatureUnit(dewPointFromWetBulb(air, wetBulb, pressure));
            });
    }
    return stopped();
}

}  // namespace nimbaro
