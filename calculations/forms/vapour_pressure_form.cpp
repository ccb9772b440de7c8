#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& vapourPressureForm() {
    static const CalculationForm form{
        .windowName = window_names::kVapourPressure,
        .title = "Vapour Pressure",
        .resultCheck = CalculationForm::ResultCheck::None,
        .methodFrame = {"fmeFormula", "Calculation:"},
        .methods =
            {
                {Method::VapourPressureFromHumidity, "optVapourPressureHumidity",
                 "&Vapour Pressure + Humidity"},
                {Method::VapourPressureFromDewPoint, "optVapourPressureDewPoint",
                 "Vapour Pressure + &Dew-Point"},
                {Method::SaturationVapourPressure, "optSaturationOverWater",
                 "Saturation over &Water"},
                {Method::SaturationVapourPressureOverIce, "optSaturationOverIce",
                 "Saturation over &Ice (WMO)"},
                {Method::FrostPointFromHumidity, "optFrostPointHumidity",
                 "Frost &Point + Humidity"},
                {Method::FrostPointFromDewPoint, "optFrostPointDewPoint",
                 "Frost Point + Dew-Poin&t"},
            },
        .unitGroups = {temperatureUnits("fmeTemperature")},
        .inputs =
            {
                airTemperatureRow("Label1"),
                humidityRow("Label2"),
                dewPointRow("Label3"),
            },
        .outputs =
            {
                outputInUnitOfMethod("lblOutput1", "Label4"),
                outputInUnitOfMethod("lblOutput2", "Label5"),
                outputInUnitOfMethod("lblOutput3", "Label6"),
            },
    };
    return form;
}

}  // namespace nimbaro
