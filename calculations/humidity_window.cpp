#include "humidity_window.h"

#include <QRadioButton>

#include "calculation_layout.h"
#include "formulas/psychrometrics.h"
#include "range_notes.h"

namespace nimbaro {

namespace {

constexpr CalculationLayout kLayout{.methods = 2, .inputRows = 4};

}  // namespace

HumidityWindow::HumidityWindow(WindowRegistry& registry)
    : CalculationWindow(registry, kWindowName, "Humidity", kLayout.clientSize(),
                        ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("fmeFormula", "Calculate Using:", {}, kLayout.methodFrame());
    optAirTempDewPoint_ =
        addMethodOption(methods, "optAirTempDewPoint", "Air Temperature + &Dew-Point*", {},
                        kLayout.methodOption(0), [this] { optAirTempDewPoint_Click(); });
    optAirTempWetBulbAirPressure_ = addMethodOption(
        methods, "optAirTempWetBulbAirPressure", "Air Temperature, &Wet-Bulb + Air Pressure*", {},
        kLayout.methodOption(1), [this] { optAirTempWetBulbAirPressure_Click(); });
    addPressureNote(methods, "Label8", kLayout.pressureNote());
    addTemperatureFrame("fmeTemperature", kLayout.temperatureFrame());
    addPressureFrame("optHpaMb", kLayout.pressureFrame());

    txtAirTemp_ = addInput("txtAirTemp", kLayout.inputBox(0), "Label1", "Air Temperature",
                           kLayout.inputLabel(0));
    txtDewPoint_ = addInput("txtDewPoint", kLayout.inputBox(1), "Label2", "Dew-Point Temperature",
                            kLayout.inputLabel(1));
    txtWetBulb_ = addInput("txtWetBulb", kLayout.inputBox(2), "Label3", "Wet-Bulb Temperature",
                           kLayout.inputLabel(2));
    txtAirPressure_ = addInput("txtAirPressure", kLayout.inputBox(3), "Label4",
                               "Air Pressure (Sea Level)", kLayout.inputLabel(3));

    addFixedLabel(this, "Label12", "Relative Humidity",
                  {kLayout.output(0).left, kLayout.output(0).top});
    addOutput("lblHumidity", "Relative Humidity Output Number", kLayout.output(1), "Label7",
              "Percent");
    addResultNote(kLayout.note(), {range_notes::kDewPointAboveAir, range_notes::kWetBulbAboveAir});

    addCommandButtons(kLayout.commandButtons());
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
                           [this](double air, double dewPoint) {
                               if (supersaturated(air, dewPoint)) {
                                   noteOutsideRange(range_notes::kDewPointAboveAir);
                               }
                               return OutputValues{relativeHumidity(air, dewPoint)};
                           });
    }
    if (optAirTempWetBulbAirPressure_->isChecked()) {
        return computeFrom({{txtAirTemp_, "Air Temperature", Temperature},
                            {txtWetBulb_, "Wet-Bulb", Temperature},
                            {txtAirPressure_, "Air Pressure", Pressure}},
                           [this](double air, double wetBulb, double pressure) {
                               if (supersaturated(air, wetBulb)) {
                                   noteOutsideRange(range_notes::kWetBulbAboveAir);
                               }
                               return OutputValues{relativeHumidity(
                                   air, dewPointFromWetBulb(air, wetBulb, pressure))};
                           });
    }
    return stopped();
}

}  // namespace nimbaro
