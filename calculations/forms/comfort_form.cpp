#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& comfortForm() {
    static const CalculationForm form{
        .windowName = window_names::kComfort,
        .title = "Comfort",
        .resultCheck = CalculationForm::ResultCheck::None,
        .methodFrame = {"fmeFormula", "Calculation:"},
        .methods =
            {
                {Method::Humidex, "optHumidex", "Humi&dex"},
                {Method::ApparentTemperatureFromHumidity, "optApparentHumidity",
                 "A&pparent Temperature + Humidity"},
                {Method::ApparentTemperatureFromDewPoint, "optApparentDewPoint",
                 "Apparent &Temperature + Dew-Point"},
                {Method::IndoorApparentTemperatureFromHumidity, "optApparentNoWindHumidity",
                 "Apparent, No &Wind + Humidity"},
                {Method::IndoorApparentTemperatureFromDewPoint, "optApparentNoWindDewPoint",
                 "Apparent, No Wind + D&ew-Point"},
                {Method::FeelsLike, "optFeelsLike", "Feels-&Like"},
            },
        .unitGroups = {temperatureUnits("fmeTemperature"), windSpeedUnits("fmeWindSpeed")},
        .inputs =
            {
                airTemperatureRow("Label1"),
                humidityRow("Label2"),
                dewPointRow("Label3"),
                {Input::WindSpeed, "Wind Speed", "txtWindSpeed", "Label4", "Wind Speed"},
            },
        .outputs =
            {
                outputInUnitOfMethod("lblOutput1", "Label5"),
                outputInUnitOfMethod("lblOutput2", "Label6"),
                outputInUnitOfMethod("lblOutput3", "Label7"),
            },
        .quietLines = {rangeNoteLine(), riskLine({Risk::LittleDiscomfort, Risk::SomeDiscomfort,
                                                  Risk::GreatDiscomfort, Risk::DangerousHumidex})},
    };
    return form;
}

}  // namespace nimbaro
