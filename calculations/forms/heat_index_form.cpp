#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& heatIndexForm() {
    static const CalculationForm form{
        .windowName = window_names::kHeatIndex,
        .title = "Heat Index",
        .methodFrame = {"fmeFormula", "Calculate Using:"},
        .methods =
            {
                {Method::HeatIndexFromHumidity, "optAirTempHumidity",
                 "Air Temperature + &Humidity"},
                {Method::HeatIndexFromDewPoint, "optAirTempDew", "Air Temperature + &Dew-Point"},
                {Method::HeatIndexFromWetBulb, "optAirTempWetBAirPressure",
                 "Air Temperature, &Wet-Bulb + Air Pressure"},
            },
        .pressureNote = "Label8",
        .unitGroups = {temperatureUnits("fmeTemperature"), airPressureUnits("optHpaMb")},
        .inputs =
            {
                airTemperatureRow("Label9"),
                humidityRow("Label2"),
                {Input::DewPoint, "Dew-Point Temperature", "txtDewPoint", "Label11", "Dew-Point"},
                wetBulbRow("Label1"),
                airPressureRow("Label4"),
            },
        .outputs = temperatureOutputs("Label6", "Label7", "Label5"),
        .quietLines = {rangeNoteLine(), riskLine({Risk::Caution, Risk::ExtremeCaution, Risk::Danger,
                                                  Risk::ExtremeDanger})},
    };
    return form;
}

}  // namespace nimbaro
