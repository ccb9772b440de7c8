#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& humidityForm() {
    static const CalculationForm form{
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
                airTemperatureRow("Label1"),
                {Input::DewPoint, "Dew Point", "txtDewPoint", "Label2", "Dew-Point Temperature"},
                wetBulbRow("Label3"),
                airPressureRow("Label4"),
            },
        .outputHeading = {"Label12", "Relative Humidity"},
        .outputs = {{"lblHumidity", "Relative Humidity Output Number", "Label7"}},
        .outputButtonRow = 3,
    };
    return form;
}

}  // namespace nimbaro
