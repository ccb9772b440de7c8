#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

const CalculationForm& airDensityForm() {
    static const CalculationForm form{
        .windowName = window_names::kAirDensity,
        .title = "Potential Temperature and Air Density",
        .resultCheck = CalculationForm::ResultCheck::None,
        .methodFrame = {"fmeFormula", "Calculation:"},
        .methods =
            {
                {Method::VirtualTemperatureFromHumidity, "optVirtualHumidity",
                 "&Virtual Temperature + Humidity"},
                {Method::VirtualTemperatureFromDewPoint, "optVirtualDewPoint",
                 "Virtual Temperature + &Dew-Point"},
                {Method::PotentialTemperature, "optPotential", "&Potential Temperature"},
                {Method::EquivalentPotentialTemperature, "optEquivalentPotential",
                 "&Equivalent Potential Temperature"},
                {Method::AirDensityOfDryAir, "optAirDensityDryAir", "Air Densi&ty (Dry Air)"},
                {Method::AirDensityFromDewPoint, "optAirDensityDewPoint",
                 "Air Density + De&w-Point"},
                {Method::AirDensityFromHumidity, "optAirDensityHumidity",
                 "Air Density + &Humidity"},
            },
        .unitGroups = {temperatureUnits("fmeTemperature"), airPressureUnits("optHpaMb")},
        .inputs =
            {
                airTemperatureRow("Label1"),
                humidityRow("Label2"),
                dewPointRow("Label3"),
                stationPressureRow("Label4"),
            },
        .outputs =
            {
                outputInUnitOfMethod("lblOutput1", "Label5"),
                outputInUnitOfMethod("lblOutput2", "Label6"),
                outputInUnitOfMethod("lblOutput3", "Label7"),
            },
    };
    return form;
}

}  // namespace nimbaro
