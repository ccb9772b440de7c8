#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& beaufortForm() {
    static const CalculationForm form{
        .windowName = window_names::kBeaufort,
        .title = "Beaufort Force",
        .resultCheck = CalculationForm::ResultCheck::None,
        .methodFrame = {"fmeFormula", "Calculate Using:"},
        .methods = {{Method::Beaufort, "optWindSpeed", "&Wind Speed"}},
        .unitGroups = {everyWindSpeedUnit("fmeWindSpeed")},
        .inputs = {{Input::WindSpeed, "Wind Speed", "txtWindSpeed", "Label1", "Wind Speed"}},
        .outputs = {{"lblForce", "Beaufort Force Output Number", "Label2"}},
        .quietLines = {rangeNoteLine(),
                       riskLine({Risk::Calm, Risk::LightAir, Risk::LightBreeze, Risk::GentleBreeze,
                                 Risk::ModerateBreeze, Risk::FreshBreeze, Risk::StrongBreeze,
                                 Risk::NearGale, Risk::Gale, Risk::StrongGale, Risk::Storm,
                                 Risk::ViolentStorm, Risk::HurricaneForce})},
    };
    return form;
}

}  // namespace nimbaro
