#include "calculation_forms.h"

#include <array>

namespace nimbaro {

CalculationForm::UnitGroup temperatureUnits(std::string_view frameName, UnitTooltips tooltips) {
    const bool shown = tooltips == UnitTooltips::Shown;
    return {
        .frameName = frameName,
        .caption = "Temperature Data",
        .tooltip = {},
        .inputs = {Input::AirTemperature, Input::DewPoint, Input::WetBulb},
        .options =
            {
                {TemperatureUnit::Celsius, "optCelsius", "Celsiu&s",
                 shown ? "Calculate Using Celsius" : ""},
                {TemperatureUnit::Fahrenheit, "optFahrenheit", "&Fahrenheit",
                 shown ? "Calculate Using Fahrenheit" : ""},
                {TemperatureUnit::Kelvin, "optKelvin", "&Kelvin",
                 shown ? "Calculate Using Kelvin" : ""},
            },
    };
}

CalculationForm::UnitGroup airPressureUnits(std::string_view hectopascalsName) {
    return {
        .frameName = "fmeAirPressure",
        .caption = "Air Pressure Data",
        .tooltip = "Select Data Type Here",
        .inputs = {Input::AirPressure},
        .options =
            {
                {PressureUnit::Hectopascals, hectopascalsName, "Hectopascals/ &Millibars"},
                {PressureUnit::MillimetresOfMercury, "optmmOfHg", "mm &of Hg"},
                {PressureUnit::InchesOfMercury, "optinOfHg", "i&n of Hg"},
            },
        .defaultOnEnabling = true,
    };
}

std::span<const CalculationForm* const> calculationForms() {
    static const std::array forms = {&humidityForm(),         &dewPointForm(),    &wetBulbForm(),
                                     &heatIndexForm(),        &cloudHeightForm(), &windChillForm(),
                                     &lightningDistanceForm()};
    return forms;
}

}  // namespace nimbaro
