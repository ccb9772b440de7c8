#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& windChillForm() {
    static const CalculationForm form{
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
        .unitGroups = {temperatureUnits("frmTemperature"), windSpeedUnits("frmWindSpeed")},
        .inputs =
            {
                {Input::AirTemperature, "Temperature", "txtInTemp", "Label8", "Air Temperature",
                 "Insert a Number Here"},
                {Input::WindSpeed, "Wind Speed", "txtInWind", "Label9", "Wind Speed",
                 "Insert a Number Here"},
            },
        .outputs = temperatureOutputs("Label6", "Label2", "Label5"),
        .commandTooltips = {"Calculate Number", "Clear All Numbers", "Clear All Numbers"},
        .quietLines = {rangeNoteLine(),
                       riskLine({Risk::LowRisk, Risk::ModerateRisk, Risk::HighRisk,
                                 Risk::VeryHighRisk, Risk::SevereRisk, Risk::ExtremeRisk})},
    };
    return form;
}

}  // namespace nimbaro
