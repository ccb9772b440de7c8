#include "conversion_tables.h"

namespace nimbaro {

// The metric and ounce rows go through the ounce (28.34952 g, shortened), the pound and stone
// rows through the pound (0.45359237 kg, exact): the two paths differ in the seventh digit.
const ConversionTable& massTable() {
    static const ConversionTable table{
        .windowName = "frmMassConversions",
        .title = "Mass Conversions",
        .clientSize = {5805, 4200},
        .frame = {120, 120, 2895, 1815},
        .frameTooltip = "",
        .options =
            {
                {"optGrams", "&Grams", "Convert From Grams", {480, 480, 1095}},
                {"optKilograms", "&Kilograms", "Convert From Kilograms", {480, 960, 1095}},
                {"optTonne", "&Tonne", "Convert From Tonne", {480, 1440, 1095}},
                {"optOunces", "&Ounces", "Convert From Ounces", {1680, 480, 1095}},
                {"optPounds", "&Pounds", "Convert From Pounds", {1680, 960, 1095}},
                {"optStone", "&Stone", "Convert From Stone", {1680, 1440, 1095}},
            },
        .loadStepOption = 0,
        .inputName = "txtInputMass",
        .input = {240, 2520},
        .convert = {"Convert Numbers", {1800, 2280}},
        .reset = {"Clear All Numbers", {1800, 2760}},
        .output = {"Clear All Numbers", {3360, 840}},
        .back = {240, 3720},
        .exit = {1800, 3720},
        .notes = {},
        .outputs =
            {
                {"lblGrams",
                 "Grams Output Number",
                 {3120, 1320, 1695},
                 "Label1",
                 "Grams",
                 {4920, 1320}},
                {"lblKilograms",
                 "Kilograms Output Number",
                 {3120, 1800, 1695},
                 "Label2",
                 "Kilograms",
                 {4920, 1800}},
                {"lblTonne",
                 "Tonne Output Number",
                 {3120, 2280, 1695},
                 "Label3",
                 "Tonne",
                 {4920, 2280}},
                {"lblOunces",
                 "Ounces Output Number",
                 {3120, 2760, 1695},
                 "Label4",
                 "Ounces",
                 {4920, 2760}},
                {"lblPounds",
                 "Pounds Output Number",
                 {3120, 3240, 1695},
                 "Label5",
                 "Pounds",
                 {4920, 3240}},
                {"lblStone",
                 "Stone Output Number",
                 {3120, 3720, 1695},
                 "Label6",
                 "Stone",
                 {4920, 3720}},
            },
        .decimals = 5,
        // Columns: grams, kilograms, tonnes, ounces, pounds, stone.
        .cells =
            {
                // from Grams
                {CellExpression::inputText(),
                 {over(1000)},
                 {over(1000), over(1000)},
                 {over(28.34952)},
                 {over(28.34952), over(16)},
                 {over(28.34952), over(16), over(14)}},
                // from Kilograms
                {{times(1000)},
                 CellExpression::inputText(),
                 {over(1000)},
                 {times(1000), over(28.34952)},
                 {times(1000), over(28.34952), over(16)},
                 {times(1000), over(28.34952), over(16), over(14)}},
                // from Tonne
                {{times(1000), times(1000)},
                 {times(1000)},
                 CellExpression::inputText(),
                 {times(1000), times(1000), over(28.34952)},
                 {times(1000), times(1000), over(28.34952), over(16)},
                 {times(1000), times(1000), over(28.34952), over(16), over(14)}},
                // from Ounces
                {{times(28.34952)},
                 {over(1000), times(28.34952)},
                 {over(1000), over(1000), times(28.34952)},
                 CellExpression::inputText(),
                 {over(16)},
                 {over(16), over(14)}},
                // from Pounds
                {{times(0.45359237), times(1000)},
                 {times(0.45359237)},
                 {times(0.45359237), over(1000)},
                 {times(16)},
                 CellExpression::inputText(),
                 {over(14)}},
                // from Stone
                {{times(14), times(0.45359237), times(1000)},
                 {times(14), times(0.45359237)},
                 {times(14), times(0.45359237), over(1000)},
                 {times(14), times(16)},
                 {times(14)},
                 CellExpression::inputText()},
            },
    };
    return table;
}

}  // namespace nimbaro
