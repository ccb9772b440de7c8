#include "wet_bulb_window.h"

#include <QRadioButton>

#include "calculation_layout.h"
#include "formulas/psychrometrics.h"
#include "range_notes.h"

namespace nimbaro {

namespace {

constexpr CalculationLayout kLayout{.methods = 2, .inputRows = 4};

}  // namespace

WetBulbWindow::WetBulbWindow(WindowRegistry& registry)
    : CalculationWindow(registry, kWindowName, "Wet Bulb Temperature", kLayout.clientSize(),
                        ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("Frame1", "Calculate Using:", {}, kLayout.methodFrame());
    optAirTempHumidity_ =
        addMethodOption(methods, "optAirTempHumidity", "Air Temperature + &Humidity", {},
                        kLayout.methodOption(0), [this] { optAirTempHumidity_Click(); });
    optAirTempDewPoint_ =
        addMethodOption(methods, "optAirTempDewPoint", "Air Temperature + &Dew Point", {},
                        kLayout.methodOption(1), [this] { optAirTempDewPoint_Click(); });
    addPressureNote(methods, "Label4", kLayout.pressureNote());
    addTemperatureFrame("fmeTemperature", kLayout.temperatureFrame());
    addPressureFrame("optHectopascalsMillibars", kLayout.pressureFrame());

    txtAirTemp_ = addInput("txtAirTemp", kLayout.inputBox(0), "Label1", "Air Temperature",
                           kLayout.inputLabel(0));
    txtHumidity_ =
        addInput("txtHumidity", kLayout.inputBox(1), "Label2", "Humidity", kLayout.inputLabel(1));
    txtDewPoint_ =
        addInput("txtDewPoint", kLayout.inputBox(2), "Label3", "Dew Point", kLayout.inputLabel(2));
    txtAirPressure_ = addInput("txtAirPressure", kLayout.inputBox(3), "Label8",
                               "Air Pressure (Sea Level)", kLayout.inputLabel(3));
    addTemperatureOutputs(kLayout.output(0), kLayout.kRowPitch, {"Label6", "Label7", "Label5"});
    addResultNote(kLayout.note(), {range_notes::kDewPointAboveAir});

    addCommandButtons(kLayout.commandButtons());
    Form_Load();
}

void WetBulbWindow::Form_Load() {
    optAirTempHumidity_->setChecked(true);
    temperatureOptions().front()->setChecked(true);
    pressureOptions().front()->setChecked(true);
}

void WetBulbWindow::optAirTempHumidity_Click() {
    applyMethodState({.used = {txtHumidity_}, .unused = {txtDewPoint_}});
}

void WetBulbWindow::optAirTempDewPoint_Click() {
    applyMethodState({.used = {txtDewPoint_}, .unused = {txtHumidity_}});
}

CalculationWindow::Outcome WetBulbWindow::calculate() {
    using enum Reading::Kind;
    if (optAirTempHumidity_->isChecked()) {
        return computeFrom(
            {{txtAirTemp_, "Air Temperature", Temperature},
             {txtHumidity_, "Humidity", Humidity},
             {txtAirPressure_, "Air Pressure", Pressure}},
            [](double air, double humidity, double pressure) {
                return inEveryTemperatureUnit(wetBulbFromHumidity(air, humidity, pressure));
            });
    }
    if (optAirTempDewPoint_->isChecked()) {
        return computeFrom(
            {{txtAirTemp_, "Air Temperature", Temperature},
             {txtDewPoint_, "Dew Point", Temperature},
             {txtAirPressure_, "Air Pressure", Pressure}},
            [this](double air, double dewPoint, double pressure) {
                if (supersaturated(air, dewPoint)) {
                    noteOutsideRange(range_notes::kDewPointAboveAir);
                }
                return inEveryTemperatureUnit(wetBulbFromDewPoint(air, dewPoint, pressure));
            });
    }
    return stopped();
}

}  // namespace nimbaro
