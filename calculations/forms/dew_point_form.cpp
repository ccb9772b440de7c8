#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& dewPointForm() {
    static const CalculationForm form{
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
                airTemperatureRow("Label1"),
                humidityRow("Label2"),
                wetBulbRow("Label3"),
                airPressureRow("Label4"),
            },
        .outputs = temperatureOutputs("Label6", "Label7", "Label5"),
    };
    return form;
}

}  // namespace nimbaro
