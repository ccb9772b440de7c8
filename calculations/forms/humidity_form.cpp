#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& humidityForm() {
    using enum Input;
    static const CalculationForm form{
        .calculation = Calculation::RelativeHumidity,
        .windowName = window_names::kHumidity,
        .title = "Humidity",
        .methodFrame = {"fmeFormula", "Calculate Using:"},
        .methods =
            {
                {Method::HumidityFromDewPoint, "optAirTempDewPoint",
                 "Air Temperature + &Dew-Point*"},
                {Method::HumidityFromWetBulb, "optAirTempWetBulbAirPressure",
                 "Air Temperature, &Wet-Bulb + Air Pressure*"},
            },
        .pressureNote = "Label8",
        .unitGroups = {temperatureUnits("fmeTemperature"), airPressureUnits("optHpaMb")},
        .inputs =
            {
                {AirTemperature, "Air Temperature", "txtAirTemp", "Label1", "Air Temperature"},
                {DewPoint, "Dew Point", "txtDewPoint", "Label2", "Dew-Point Temperature"},
                {WetBulb, "Wet-Bulb", "txtWetBulb", "Label3", "Wet-Bulb Temperature"},
                {AirPressure, "Air Pressure", "txtAirPressure", "Label4",
                 "Air Pressure (Sea Level)"},
            },
        .outputHeading = {"Label12", "Relative Humidity"},
        .outputs = {{"lblHumidity", "Relative Humidity Output Number", "Label7"}},
        .outputButtonRow = 3,
        .quietLines = {{.says = CalculationForm::QuietLine::Says::RangeNote}},
    };
    return form;
}

}  // namespace nimbaro
