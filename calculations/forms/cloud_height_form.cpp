#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& cloudHeightForm() {
    using enum Input;
    static const CalculationForm form{
        .calculation = Calculation::CloudHeight,
        .windowName = window_names::kCloudHeight,
        .title = "Cloud Base Height of Convective Cumulus",
        .methodFrame = {"fmeFormula", "Calculate Using:"},
        .methods =
            {
                {Method::CloudHeightFromHumidity, "optAirTempHumidity",
                 "Air Temperature + &Humidity"},
                {Method::CloudHeightFromDewPoint, "optAirTempDew", "Air Temperature + &Dew-Point"},
                {Method::CloudHeightFromWetBulb, "optAirTempWetBAirPressure",
                 "Air Temperature, &Wet-Bulb + Air Pressure"},
            },
        .pressureNote = "Label3",
        .unitGroups = {temperatureUnits("Frame1", UnitTooltips::None),
                       airPressureUnits("optHpaMb")},
        .inputs =
            {
                {AirTemperature, "Air Temperature", "txtAirTemp", "Label1", "Air Temperature"},
                {Humidity, "Humidity", "txtHumidity", "Label8", "Humidity"},
                {DewPoint, "Dew-Point Temperature", "txtDewPoint", "Label11", "Dew-Point"},
                {WetBulb, "Wet-Bulb", "txtWetBulb", "Label7", "Wet-Bulb Temperature"},
                {AirPressure, "Air Pressure", "txtAirPressure", "Label4",
                 "Air Pressure (Sea Level)"},
            },
        .outputs =
            {
                {"lblMetres", "Metres Output Number", "Label5"},
                {"lblFeet", "Feet Output Number", "Label6"},
            },
        .outputButtonRow = 0,
        .quietLines = {{.says = CalculationForm::QuietLine::Says::RangeNote}},
    };
    return form;
}

}  // namespace nimbaro
