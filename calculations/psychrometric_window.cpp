#include "psychrometric_window.h"

#include <QLabel>

#include "calculation_layout.h"
#include "window_names.h"

namespace nimbaro {
namespace {

constexpr CalculationLayout kLayout{.methods = 2, .inputRows = 4};

using enum Input;

constexpr PsychrometricNames::InputRow kAirTemperature{AirTemperature, "Air Temperature",
                                                       "txtAirTemp", "Label1", "Air Temperature"};
constexpr std::string_view kPressureCaption = "Air Pressure (Sea Level)";
constexpr std::string_view kWetBulbCaption = "Wet-Bulb Temperature";

constexpr PsychrometricNames kHumidity{
    .calculation = Calculation::RelativeHumidity,
    .windowName = window_names::kHumidity,
    .title = "Humidity",
    .methodFrame = "fmeFormula",
    .methodOptions = {{{"optAirTempDewPoint", "Air Temperature + &Dew-Point*"},
                       {"optAirTempWetBulbAirPressure",
                        "Air Temperature, &Wet-Bulb + Air Pressure*"}}},
    .pressureNote = "Label8",
    .hectopascalsOption = "optHpaMb",
    .inputs = {{kAirTemperature,
                {DewPoint, "Dew Point", "txtDewPoint", "Label2", "Dew-Point Temperature"},
                {WetBulb, "Wet-Bulb", "txtWetBulb", "Label3", kWetBulbCaption},
                {AirPressure, "Air Pressure", "txtAirPressure", "Label4", kPressureCaption}}},
};

constexpr PsychrometricNames kDewPoint{
    .calculation = Calculation::DewPoint,
    .windowName = window_names::kDewPoint,
    .title = "Dew Point Temperature",
    .methodFrame = "fmeFormula",
    .methodOptions = {{{"optAirTempHumidity", "Air Temperature + &Humidity"},
                       {"optAirTempWetBulbAirPressure",
                        "Air Temperature, &Wet-Bulb + Air Pressure*"}}},
    .pressureNote = "Label8",
    .hectopascalsOption = "optHectopascalsMillibars",
    .inputs = {{kAirTemperature,
                {Humidity, "Humidity", "txtHumidity", "Label2", "Humidity"},
                {WetBulb, "Wet-Bulb", "txtWetBulb", "Label3", kWetBulbCaption},
                {AirPressure, "Air Pressure", "txtAirPressure", "Label4", kPressureCaption}}},
    .temperatureUnitLabels = {"Label6", "Label7", "Label5"},
};

constexpr PsychrometricNames kWetBulb{
    .calculation = Calculation::WetBulb,
    .windowName = window_names::kWetBulb,
    .title = "Wet Bulb Temperature",
    .methodFrame = "Frame1",
    .methodOptions = {{{"optAirTempHumidity", "Air Temperature + &Humidity"},
                       {"optAirTempDewPoint", "Air Temperature + &Dew Point"}}},
    .pressureNote = "Label4",
    .hectopascalsOption = "optHectopascalsMillibars",
    .inputs = {{kAirTemperature,
                {Humidity, "Humidity", "txtHumidity", "Label2", "Humidity"},
                {DewPoint, "Dew Point", "txtDewPoint", "Label3", "Dew Point"},
                {AirPressure, "Air Pressure", "txtAirPressure", "Label8", kPressureCaption}}},
    .temperatureUnitLabels = {"Label6", "Label7", "Label5"},
};

constexpr std::array<const PsychrometricNames*, 3> kWindows = {&kHumidity, &kDewPoint, &kWetBulb};

}  // namespace

std::span<const PsychrometricNames* const> psychrometricWindows() {
    return kWindows;
}

PsychrometricWindow::PsychrometricWindow(WindowRegistry& registry, const PsychrometricNames& names)
    : CalculationWindow(registry, names.windowName, names.title, kLayout.clientSize(),
                        names.calculation, ResultCheck::AfterEveryClick) {
    QGroupBox* methods = addFrame(names.methodFrame, "Calculate Using:", {}, kLayout.methodFrame());
    for (int row = 0; row < static_cast<int>(names.methodOptions.size()); ++row) {
        const ControlText& option = names.methodOptions[static_cast<std::size_t>(row)];
        addMethodOption(methods, option.name, option.caption, option.tooltip,
                        kLayout.methodOption(row));
    }
    addPressureNote(methods, names.pressureNote, kLayout.pressureNote());
    addTemperatureFrame("fmeTemperature", kLayout.temperatureFrame());
    addPressureFrame(names.hectopascalsOption, kLayout.pressureFrame());

    for (int row = 0; row < static_cast<int>(names.inputs.size()); ++row) {
        const PsychrometricNames::InputRow& input = names.inputs[static_cast<std::size_t>(row)];
        addInput(input.input, input.messageName, input.boxName, kLayout.inputBox(row),
                 input.labelName, input.labelText, kLayout.inputLabel(row));
    }
    if (names.temperatureUnitLabels.front().empty()) {
        addFixedLabel(this, "Label12", "Relative Humidity",
                      {kLayout.output(0).left, kLayout.output(0).top});
        addOutput("lblHumidity", "Relative Humidity Output Number", kLayout.output(1), "Label7",
                  "Percent");
    } else {
        addTemperatureOutputs(kLayout.output(0), kLayout.kRowPitch, names.temperatureUnitLabels);
    }
    addMethodNotes(kLayout.note());

    addCommandButtons(kLayout.commandButtons());
    selectDefaults();
}

}  // namespace nimbaro
