#include "conversion_tables.h"

namespace nimbaro {

const ConversionTable& temperatureTable() {
    static const ConversionTable table{
        .windowName = "frmTemperature",
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
                {"lblCelsius",
                 "Celsius Output Number",
                 {3240, 2160},
                 "Label4",
                 "Celsius",
                 {5040, 2160}},
                {"lblFahrenheit",
                 "Fahrenheit Output Number",
                 {3240, 2640},
                 "Label5",
                 "Fahrenheit",
                 {5040, 2640}},
                {"lblKelvin",
                 "Kelvin Output Number",
                 {3240, 3120},
                 "Label6",
                 "Kelvin",
                 {5040, 3120}},
            },
        .decimals = 5,
        .cells =
            {
                // from Celsius: the quotient 9 ÷ 5 is formed before it multiplies
                {CellExpression::inputText(), {times(9.0 / 5.0), plus(32)}, {plus(273.15)}},
                // from Fahrenheit
                {{minus(32), times(5), over(9)},
                 CellExpression::inputText(),
                 {minus(32), times(5), over(9), plus(273.15)}},
                // from Kelvin
                {{minus(273.15)},
                 {minus(273.15), times(9), over(5), plus(32)},
                 CellExpression::inputText()},
            },
    };
    return table;
}

}  // namespace nimbaro
