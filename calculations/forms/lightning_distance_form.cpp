#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& lightningDistanceForm() {
    static const CalculationForm form{
        .windowName = window_names::kLightningDistance,
        .title = "Lightning Distance",
        .methodFrame = {"fmeFormula", "Calculate Using:"},
        .methods =
            {
                {Method::LightningDistance, "optNoCorrection", "&No Correction"},
                {Method::CorrectedLightningDistance, "optAirTempCorrection",
                 "&Air Temperature Correction"},
            },
        .unitGroups = {temperatureUnits("fmeTemperature")},
        .inputs =
            {
                {Input::Time, "Time", "txtTime", "Label2", "Time (Seconds)"},
                airTemperatureRow("Label1"),
            },
        .outputs =
            {
                {"lblMetres", "Metres Output Number", "Label3"},
                {"lblKilometres", "Kilometres Output Number", "Label14"},
                {"lblFeet", {}, "Label5"},
                {"lblMiles", {}, "Label6"},
            },
    };
    return form;
}

}  // namespace nimbaro
