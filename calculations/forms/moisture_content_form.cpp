#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& moistureContentForm() {
    static const CalculationForm form{
        .windowName = window_names::kMoistureContent,
        .title = "Moisture Content",
        .resultCheck = CalculationForm::ResultCheck::None,
        .methodFrame = {"fmeFormula", "Calculation:"},
        .methods =
            {
                {Method::MixingRatioFromHumidity, "optMixingRatioHumidity",
                 "Mixin&g Ratio + Humidity"},
                {Method::MixingRatioFromDewPoint, "optMixingRatioDewPoint",
                 "Mixing Ratio + &Dew-Point"},
                {Method::SpecificHumidityFromHumidity, "optSpecificHumidityHumidity",
                 "S&pecific Humidity + Humidity"},
                {Method::SpecificHumidityFromDewPoint, "optSpecificHumidityDewPoint",
                 "Specific Humidity + D&ew-Point"},
                {Method::AbsoluteHumidityFromHumidity, "optAbsoluteHumidityHumidity",
                 "A&bsolute Humidity + Humidity"},
                {Method::AbsoluteHumidityFromDewPoint, "optAbsoluteHumidityDewPoint",
                 "Absolute Humidity + Dew-Poin&t"},
            },
        .unitGroups = {temperatureUnits("fmeTemperature"), airPressureUnits("optHpaMb")},
        .inputs =
            {
                airTemperatureRow("Label1"),
                humidityRow("Label2"),
                dewPointRow("Label3"),
                stationPressureRow("Label4"),
            },
        .outputs = {outputInUnitOfMethod("lblOutput1", "Label5")},
    };
    return form;
}

}  // namespace nimbaro
