#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& pressureAltitudeForm() {
    static const CalculationForm form{
        .windowName = window_names::kPressureAltitude,
        .title = "Pressure and Altitude",
        .resultCheck = CalculationForm::ResultCheck::None,
        .methodFrame = {"fmeFormula", "Calculation:"},
        .methods =
            {
                {Method::SeaLevelPressure, "optSeaLevelPressure", "Sea-&Level Pressure"},
                {Method::AltimeterSetting, "optAltimeterSetting", "Altimeter Settin&g"},
                {Method::PressureAltitude, "optPressureAltitude", "&Pressure Altitude"},
                {Method::DensityAltitudeOfDryAir, "optDensityAltitudeDryAir",
                 "&Density Altitude (Dry Air)"},
                {Method::DensityAltitudeFromDewPoint, "optDensityAltitudeDewPoint",
                 "Density Altitude + De&w-Point"},
                {Method::DensityAltitudeFromHumidity, "optDensityAltitudeHumidity",
                 "Density Altitude + &Humidity"},
            },
        .unitGroups = {temperatureUnits("fmeTemperature"), airPressureUnits("optHpaMb"),
                       elevationUnits()},
        .inputs =
            {
                stationPressureRow("Label1"),
                {Input::Elevation, "Elevation", "txtElevation", "Label2", "Elevation"},
                airTemperatureRow("Label3"),
                dewPointRow("Label4"),
                humidityRow("Label5"),
            },
        .outputs =
            {
                outputInUnitOfMethod("lblOutput1", "Label6"),
                outputInUnitOfMethod("lblOutput2", "Label7"),
            },
    };
    return form;
}

}  // namespace nimbaro
