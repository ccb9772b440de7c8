#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& wetBulbForm() {
    using enum Input;
    static const CalculationForm form{
        .calculation = Calculation::WetBulb,
        .windowName = window_names::kWetBulb,
        .title = "Wet Bulb Temperature",
        .methodFrame = {"Frame1", "Calculate Using:"},
        .methods =
            {
                {Method::WetBulbFromHumidity, "optAirTempHumidity", "Air Temperature + &Humidity"},
                {Method::WetBulbFromDewPoint, "optAirTempDewPoint", "Air Temperature + &Dew Point"},
            },
        .pressureNote = "Label4",
        .unitGroups = {temperatureUnits("fmeTemperature"),
                       airPressureUnits("optHectopascalsMillibars")},
        .inputs =
            {
                {AirTemperature, "Air Temperature", "txtAirTemp", "Label1", "Air Temperature"},
                {Humidity, "Humidity", "txtHumidity", "Label2", "Humidity"},
                {DewPoint, "Dew Point", "txtDewPoint", "Label3", "Dew Point"},
                {AirPressure, "Air Pressure", "txtAirPressure", "Label8",
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
