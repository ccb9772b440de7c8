#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& dewPointForm() {
    using enum Input;
    static const CalculationForm form{
        .calculation = Calculation::DewPoint,
        .windowName = window_names::kDewPoint,
        .title = "Dew Point Temperature",
        .methodFrame = {"fmeFormula", "Calculate Using:"},
        .methods =
            {
                {Method::DewPointFromHumidity, "optAirTempHumidity", "Air Temperature + &Humidity"},
                {Method::DewPointFromWetBulb, "optAirTempWetBulbAirPressure",
                 "Air Temperature, &Wet-Bulb + Air Pressure*"},
            },
        .pressureNote = "Label8",
        .unitGroups = {temperatureUnits("fmeTemperature"),
                       airPressureUnits("optHectopascalsMillibars")},
        .inputs =
            {
                {AirTemperature, "Air Temperature", "txtAirTemp", "Label1", "Air Temperature"},
                {Humidity, "Humidity", "txtHumidity", "Label2", "Humidity"},
                {WetBulb, "Wet-Bulb", "txtWetBulb", "Label3", "Wet-Bulb Temperature"},
                {AirPressure, "Air Pressure", "txtAirPressure", "Label4",
                 "Air Pressure (Sea Level)"},
            },
        .outputs =
            {
                {"lblCelsius", "Celsius Output Number", "Label6"},
                {"lblFahrenheit", "Fahrenheit Output Number", "Label7"},
                {"lblKelvin", "Kelvin Output Number", "Label5"},
            },
        .quietLines = {{.says = CalculationForm::QuietLine::Says::RangeNote}},
    };
    return form;
}

}  // namespace nimbaro
