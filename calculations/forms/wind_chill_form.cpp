#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& windChillForm() {
    using enum WindSpeedUnit;
    using enum Risk;
    using Says = CalculationForm::QuietLine::Says;
    static const CalculationForm form{
        .calculation = Calculation::WindChill,
        .windowName = window_names::kWindChill,
        .title = "Wind Chill Calculations",
        .resultCheck = CalculationForm::ResultCheck::None,
        .methodFrame = {"frmFormula", "Select Formula"},
        .methods =
            {
                {Method::NewWindChill, "optNewFormula", "&New Formula*",
                 "Calculate Using New Formula"},
                {Method::OldWindChill, "optOldFormula", "&Old Formula*",
                 "Calculate Using Old Formula"},
            },
        .unitGroups =
            {
                temperatureUnits("frmTemperature"),
                {
                    .frameName = "frmWindSpeed",
                    .caption = "Wind Speed Data",
                    .tooltip = {},
                    .inputs = {Input::WindSpeed},
                    .options =
                        {
                            {KilometresPerHour, "optKmPerHour", "&Km / Hour",
                             "Calculate Using Kilometres Per Hour"},
                            {MetresPerSecond, "optMPerSec", "&Meters / Sec",
                             "Calculate Using Metres Per Second"},
                            {MilesPerHour, "optMilesPerHour", "Miles / &Hour",
                             "Calculate Using Miles Per Hour"},
                            {Knots, "optKnots", "Knot&s", "Calculate Using Knots"},
                        },
                },
            },
        .inputs =
            {
                {Input::AirTemperature, "Temperature", "txtInTemp", "Label8", "Air Temperature",
                 "Insert a Number Here"},
                {Input::WindSpeed, "Wind Speed", "txtInWind", "Label9", "Wind Speed",
                 "Insert a Number Here"},
            },
        .outputs =
            {
                {"lblCelsius", "Celsius Output Number", "Label6"},
                {"lblFahrenheit", "Fahrenheit Output Number", "Label2"},
                {"lblKelvin", "Kelvin Output Number", "Label5"},
            },
        .commandTooltips = {"Calculate Number", "Clear All Numbers", "Clear All Numbers"},
        .quietLines =
            {
                {.says = Says::RangeNote},
                {.says = Says::Risk,
                 .risks = {LowRisk, ModerateRisk, HighRisk, VeryHighRisk, SevereRisk, ExtremeRisk}},
            },
    };
    return form;
}

}  // namespace nimbaro
