#include "moisture_methods_window.h"

#include <QRadioButton>
#include <algorithm>

namespace nimbaro {

MoistureMethodsWindow::MoistureMethodsWindow(WindowRegistry& registry,
                                             const MoistureMethodsNames& names)
    : CalculationWindow(registry, names.windowName, names.title, kLayout.clientSize(),
                        names.calculation, ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("fmeFormula", "Calculate Using:", {}, kLayout.methodFrame());
    optAirTempHumidity_ =
        addMethodOption(methods, "optAirTempHumidity", "Air Temperature + &Humidity", {},
                        kLayout.methodOption(0), [this] { onAirTempHumidityChosen(); });
    optAirTempDew_ =
        addMethodOption(methods, "optAirTempDew", "Air Temperature + &Dew-Point", {},
                        kLayout.methodOption(1), [this] { onAirTempDewPointChosen(); });
    optAirTempWetBAirPressure_ = addMethodOption(
        methods, "optAirTempWetBAirPressure", "Air Temperature, &Wet-Bulb + Air Pressure", {},
        kLayout.methodOption(2), [this] { onAirTempWetBulbPressureChosen(); });
    addPressureNote(methods, names.pressureNote, kLayout.pressureNote());
    addTemperatureFrame(names.temperatureFrame, kLayout.temperatureFrame(),
                        names.temperatureTooltips);
    addPressureFrame("optHpaMb", kLayout.pressureFrame());

    const auto& labels = names.inputLabels;
    addInput(Input::AirTemperature, "Air Temperature", "txtAirTemp", kLayout.inputBox(0), labels[0],
             "Air Temperature", kLayout.inputLabel(0));
    txtHumidity_ = addInput(Input::Humidity, "Humidity", "txtHumidity", kLayout.inputBox(1),
                            labels[1], "Humidity", kLayout.inputLabel(1));
    txtDewPoint_ = addInput(Input::DewPoint, "Dew-Point Temperature", "txtDewPoint",
                            kLayout.inputBox(2), labels[2], "Dew-Point", kLayout.inputLabel(2));
    txtWetBulb_ = addInput(Input::WetBulb, "Wet-Bulb", "txtWetBulb", kLayout.inputBox(3), labels[3],
                           "Wet-Bulb Temperature", kLayout.inputLabel(3));
    txtAirPressure_ =
        addInput(Input::AirPressure, "Air Pressure", "txtAirPressure", kLayout.inputBox(4),
                 labels[4], "Air Pressure (Sea Level)", kLayout.inputLabel(4));

    addCommandButtons(kLayout.commandButtons(names.outputButtonRow));
    load();
}

void MoistureMethodsWindow::load() {
    optAirTempHumidity_->setChecked(true);
    temperatureOptions().front()->setChecked(true);
}

void MoistureMethodsWindow::onAirTempHumidityChosen() {
    applyMethod(optAirTempHumidity_, {txtHumidity_});
}

void MoistureMethodsWindow::onAirTempDewPointChosen() {
    applyMethod(optAirTempDew_, {txtDewPoint_});
}

void MoistureMethodsWindow::onAirTempWetBulbPressureChosen() {
    applyMethod(optAirTempWetBAirPressure_, {txtWetBulb_, txtAirPressure_});
}

void MoistureMethodsWindow::applyMethod(const QRadioButton* option,
                                        const std::vector<QLineEdit*>& ownBoxes) {
    std::vector<QLineEdit*> used;
    std::vector<QLineEdit*> unused;
    for (QLineEdit* box : {txtHumidity_, txtDewPoint_, txtWetBulb_, txtAirPressure_}) {
        const bool own = std::find(ownBoxes.begin(), ownBoxes.end(), box) != ownBoxes.end();
        (own == option->isChecked() ? used : unused).push_back(box);
    }
    const bool readsPressure = std::find(used.begin(), used.end(), txtAirPressure_) != used.end();
    applyMethodState(readsPressure ? withPressure(std::move(used), std::move(unused))
                                   : withoutPressure(std::move(used), std::move(unused)));
}

}  // namespace nimbaro
