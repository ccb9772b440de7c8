#include "conversion_forms.h"
#include "window_names.h"

namespace nimbaro {

const ConversionForm& temperatureForm() {
    static const ConversionForm form{
        .quantity = temperatureQuantity(),
        .windowName = window_names::kTemperature,
        .title = "Temperature Conversions",
        .clientSize = {6045, 4290},
        .frame = {720, 240, 2055, 1815},
        .frameTooltip = "Select Data Type Here",
        .options =
            {
                {"optCelsius", "Celsiu&s", "Convert from Celsius", {1080, 600}},
                {"optFahrenheit", "&Fahrenheit", "Convert from Fahrenheit", {1080, 1080}},
                {"optKelvin", "&Kelvin", "Convert from Kelvin", {1080, 1560}},
            },
        .loadStepOption = -1,
        .inputName = "txtInTemp",
        .input = {360, 2640},
        .convert = {"Convert Number", {1920, 2400}},
        .reset = {"Clear All Numbers", {1920, 2880}},
        .output = {"Clear Answers", {3480, 1680}},
        .back = {360, 3720},
        .exit = {1920, 3720},
        .notes = {},
        .outputs =
            {
                {"lblCelsius", "Celsius Output Number", {3240, 2160}, "Label4", {5040, 2160}},
                {"lblFahrenheit", "Fahrenheit Output Number", {3240, 2640}, "Label5", {5040, 2640}},
                {"lblKelvin", "Kelvin Output Number", {3240, 3120}, "Label6", {5040, 3120}},
            },
    };
    return form;
}

}  // namespace nimbaro
