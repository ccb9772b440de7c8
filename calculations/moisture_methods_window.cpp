#include "moisture_methods_window.h"

#include <QRadioButton>
#include <algorithm>

namespace nimbaro {

MoistureMethodsWindow::MoistureMethodsWindow(WindowRegistry& registry,
                                             const MoistureMethodsNames& names)
    : CalculationWindow(registry, names.windowName, names.title, kLayout.clientSize(),
                        ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame("fmeFormula", "Calculate Using:", {}, kLayout.methodFrame());
    optAirTempHumidity_ =
        addMethodOption(methods, "optAirTempHumidity", "Air Temperature + &Humidity", {},
                        kLayout.methodOption(0), [this] { optAirTempHumidity_Click(); });
    optAirTempDew_ = addMethodOption(methods, "optAirTempDew", "Air Temperature + &Dew-Point", {},
                                     kLayout.methodOption(1), [this] { optAirTempDew_Click(); });
    optAirTempWetBAirPressure_ = addMethodOption(
        methods, "optAirTempWetBAirPressure", "Air Temperature, &Wet-Bulb + Air Pressure", {},
        kLayout.methodOption(2), [this] { optAirTempWetBAirPressure_Click(); });
    addPressureNote(methods, names.pressureNote, kLayout.pressureNote());
    addTemperatureFrame(names.temperatureFrame, kLayout.temperatureFrame(),
                        names.temperatureTooltips);
    addPressureFrame("optHpaMb", kLayout.pressureFrame());

    const auto& labels = names.inputLabels;
    txtAirTemp_ = addInput("txtAirTemp", kLayout.inputBox(0), labels[0], "Air Temperature",
                           kLayout.inputLabel(0));
    txtHumidity_ =
        addInput("txtHumidity", kLayout.inputBox(1), labels[1], "Humidity", kLayout.inputLabel(1));
    txtDewPoint_ =
        addInput("txtDewPoint", kLayout.inputBox(2), labels[2], "Dew-Point", kLayout.inputLabel(2));
    txtWetBulb_ = addInput("txtWetBulb", kLayout.inputBox(3), labels[3], "Wet-Bulb Temperature",
                           kLayout.inputLabel(3));
    txtAirPressure_ = addInput("txtAirPressure", kLayout.inputBox(4), labels[4],
                               "Air Pressure (Sea Level)", kLayout.inputLabel(4));

    addCommandButtons(kLayout.commandButtons(names.outputButtonRow));
    Form_Load();
}

void MoistureMethodsWindow::Form_Load() {
    optAirTempHumidity_->setChecked(true);
    temperatureOptions().front()->setChecked(true);
}

void MoistureMethodsWindow::optAirTempHumidity_Click() {
    applyMethod(optAirTempHumidity_, {txtHumidity_});
}

void MoistureMethodsWindow::optAirTempDew_Click() {
    applyMethod(optAirTempDew_, {txtDewPoint_});
}

void MoistureMethodsWindow::optAirTempWetBAirPressure_Click() {
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

CalculationWindow::Outcome MoistureMethodsWindow::calculate() {
    using enum Reading::Kind;
    const Reading airTemperature{txtAirTemp_, "Air Temperature", Temperature};
    if (optAirTempHumidity_->isChecked()) {
        return computeFromTyped({airTemperature, {txtHumidity_, "Humidity", Humidity}},
                                [this](Units units, double air, double humidity) {
                                    return fromHumidity(units, air, humidity);
                                });
    }
    if (optAirTempDew_->isChecked()) {
        return computeFromTyped(
            {airTemperature, {txtDewPoint_, "Dew-Point Temperature", Temperature}},
            [this](Units units, double air, double dewPoint) {
                return fromDewPoint(units, air, dewPoint);
            });
    }
    if (optAirTempWetBAirPressure_->isChecked()) {
        return computeFromTyped({airTemperature,
                                 {txtWetBulb_, "Wet-Bulb", Temperature},
                                 {txtAirPressure_, "Air Pressure", Pressure}},
                                [this](Units units, double air, double wetBulb, double pressure) {
                                    return fromWetBulb(units, air, wetBulb, pressure);
                                });
    }
    return stopped();
}

}  // namespace nimbaro
