#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& cloudHeightForm() {
    static const CalculationForm form{
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
                airTemperatureRow("Label1"),
                humidityRow("Label8"),
                {Input::DewPoint, "Dew-Point Temperature", "txtDewPoint", "Label11", "Dew-Point"},
                wetBulbRow("Label7"),
                airPressureRow("Label4"),
            },
        .outputs =
            {
                {"lblMetres", "Metres Output Number", "Label5"},
                {"lblFeet", "Feet Output Number", "Label6"},
            },
        .outputButtonRow = 0,
    };
    return form;
}

}  // namespace nimbaro
