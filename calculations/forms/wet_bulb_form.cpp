#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& wetBulbForm() {
    static const CalculationForm form{
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
                airTemperatureRow("Label1"),
                humidityRow("Label2"),
                {Input::DewPoint, "Dew Point", "txtDewPoint", "Label3", "Dew Point"},
                airPressureRow("Label8"),
            },
        .outputs = temperatureOutputs("Label6", "Label7", "Label5"),
    };
    return form;
}

}  // namespace nimbaro
