#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& heatIndexForm() {
    using enum Input;
    using enum Risk;
    using Says = CalculationForm::QuietLine::Says;
    static const CalculationForm form{
        .calculation = Calculation::HeatIndex,
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
                {AirTemperature, "Air Temperature", "txtAirTemp", "Label9", "Air Temperature"},
                {Humidity, "Humidity", "txtHumidity", "Label2", "Humidity"},
                {DewPoint, "Dew-Point Temperature", "txtDewPoint", "Label11", "Dew-Point"},
                {WetBulb, "Wet-Bulb", "txtWetBulb", "Label1", "Wet-Bulb Temperature"},
                {AirPressure, "Air Pressure", "txtAirPressure", "Label4",
                 "Air Pressure (Sea Level)"},
            },
        .outputs =
            {
                {"lblCelsius", "Celsius Output Number", "Label6"},
                {"lblFahrenheit", "Fahrenheit Output Number", "Label7"},
                {"lblKelvin", "Kelvin Output Number", "Label5"},
            },
        .quietLines =
            {
                {.says = Says::RangeNote},
                {.says = Says::Risk, .risks = {Caution, ExtremeCaution, Danger, ExtremeDanger}},
            },
    };
    return form;
}

}  // namespace nimbaro
