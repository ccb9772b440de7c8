#include "dew_point_window.h"

#include <QRadioButton>

#include "calculation_layout.h"
#include "formulas/psychrometrics.h"
#include "range_notes.h"

namespace nimbaro {

namespace {

constexpr CalculationLayout kLayout{.methods = 2, .inputRows = 4};

}  // namespace

DewPointWindow::DewPointWindow(WindowRegistry& registry)
    : CalculationWindow(registry, kWindowName, "Dew Point Temperature", kLayout.clientSize(),
                        ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("fmeFormula", "Calculate Using:", {}, kLayout.methodFrame());
    optAirTempHumidity_ =
        addMethodOption(methods, "optAirTempHumidity", "Air Temperature + &Humidity", {},
                        kLayout.methodOption(0), [this] { optAirTempHumidity_Click(); });
    optAirTempWetBulbAirPressure_ = addMethodOption(
        methods, "optAirTempWetBulbAirPressure", "Air Temperature, &Wet-Bulb + Air Pressure*", {},
        kLayout.methodOption(1), [this] { optAirTempWetBulbAirPressure_Click(); });
    addPressureNote(methods, "Label8", kLayout.pressureNote());
    addTemperatureFrame("fmeTemperature", kLayout.temperatureFrame());
    addPressureFrame("optHectopascalsMillibars", kLayout.pressureFrame());

    txtAirTemp_ = addInput("txtAirTemp", kLayout.inputBox(0), "Label1", "Air Temperature",
                           kLayout.inputLabel(0));
    txtHumidity_ =
        addInput("txtHumidity", kLayout.inputBox(1), "Label2", "Humidity", kLayout.inputLabel(1));
    txtWetBulb_ = addInput("txtWetBulb", kLayout.inputBox(2), "Label3", "Wet-Bulb Temperature",
                           kLayout.inputLabel(2));
    txtAirPressure_ = addInput("txtAirPressure", kLayout.inputBox(3), "Label4",
                               "Air Pressure (Sea Level)", kLayout.inputLabel(3));
    addTemperatureOutputs(kLayout.output(0), kLayout.kRowPitch, {"Label6", "Label7", "Label5"});
    addResultNote(kLayout.note(), {range_notes::kWetBulbAboveAir});

    addCommandButtons(kLayout.commandButtons());
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
            [this](double air, double wetBulb, double pressure) {
                if (supersaturated(air, wetBulb)) {
                    noteOutsideRange(range_notes::kWetBulbAboveAir);
                }
                return inEveryTemperatureUnit(dewPointFromWetBulb(air, wetBulb, pressure));
            });
    }
    return stopped();
}

}  // namespace nimbaro
