#include "humidity_window.h"

#include <QRadioButton>

#include "calculation_layout.h"
#include "formulas/psychrometrics.h"

namespace nimbaro {

using namespace calculation_layout;

HumidityWindow::HumidityWindow(WindowRegistry& registry)
    : CalculationWindow(registry, kWindowName, "Humidity", kClientSize,
                        ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("fmeFormula", "Calculate Using:", {}, kMethodFrame);
    optAirTempDewPoint_ =
        addMethodOption(methods, "optAirTempDewPoint", "Air Temperature + &Dew-Point*", {},
                        methodOption(0), [this] { optAirTempDewPoint_Click(); });
    optAirTempWetBulbAirPressure_ = addMethodOption(
        methods, "optAirTempWetBulbAirPressure", "Air Temperature, &Wet-Bulb + Air Pressure*", {},
        methodOption(1), [this] { optAirTempWetBulbAirPressure_Click(); });
    addPressureNote(methods, "Label8", kPressureNote);
    addTemperatureFrame("fmeTemperature", kTemperatureFrame);
    addPressureFrame("optHpaMb", kPressureFrame);

    txtAirTemp_ = addInput("txtAirTemp", inputBox(0), "Label1", "Air Temperature", inputLabel(0));
    txtDewPoint_ =
        addInput("txtDewPoint", inputBox(1), "Label2", "Dew-Point Temperature", inputLabel(1));
    txtWetBulb_ =
        addInput("txtWetBulb", inputBox(2), "Label3", "Wet-Bulb Temperature", inputLabel(2));
    txtAirPressure_ = addInput("txtAirPressure", inputBox(3), "Label4", "Air Pressure (Sea Level)",
                               inputLabel(3));

    addFixedLabel(this, "Label12", "Relative Humidity", {output(0).left, output(0).top});
    addOutput("lblHumidity", "Relative Humidity Output Number", output(1), "Label7", "Percent");

    addCommandButtons(kCommandButtons);
    Form_Load();
}

void HumidityWindow::Form_Load() {
    optAirTempDewPoint_->setChecked(true);
    temperatureOptions().front()->setChecked(true);
}

void HumidityWindow::optAirTempDewPoint_Click() {
    applyMethodState(withoutPressure({txtDewPoint_}, {txtWetBulb_, txtAirPressure_}));
}

void HumidityWindow::optAirTempWetBulbAirPressure_Click() {
    applyMethodState(withPressure({txtWetBulb_, txtAirPressure_}, {txtDewPoint_}));
}

CalculationWindow::Outcome HumidityWindow::calculate() {
    using enum Reading::Kind;
    if (optAirTempDewPoint_->isChecked()) {
        return computeFrom({{txtAirTemp_, "Air Temperature", Temperature},
                            {txtDewPoint_, "Dew Point", Temperature}},
                           [](double air, double dewPoint) {
                               return OutputValues{relativeHumidity(air, dewPoint)};
                           });
    }
    if (optAirTempWetBulbAirPressure_->isChecked()) {
        return computeFrom({{txtAirTemp_, "Air Temperature", Temperature},
                            {txtWetBulb_, "Wet-Bulb", Temperature},
                            {txtAirPressure_, "Air Pressure", Pressure}},
                           [](double air, double wetBulb, double pressure) {
                               return OutputValues{relativeHumidity(
                                   air, dewPointFromWetBulb(air, wetBulb, pressure))};
                           });
    }
    return stopped();
}

}  // namespace nimbaro
