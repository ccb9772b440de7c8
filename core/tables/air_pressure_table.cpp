#include "conversion_tables.h"

namespace nimbaro {

// A millimetre of mercury is 133.322 Pa (shortened, the same in every cell); hectopascals and
// millibars are one unit, so either as the source copies the input text into both.
const ConversionTable& airPressureTable() {
    static const ConversionTable table{
        .windowName = "frmAirPressureConversions",
        .title = "Air Pressure Conversions",
        .clientSize = {6450, 4425},
        .frame = {360, 240, 3135, 1935},
        .frameTooltip = "Select Data Type Here",
        .options =
            {
                {"optPascals", "&Pascals", "Convert from Pascals", {600, 600}},
                {"optHectopascals", "&Hectopascals", "Convert from Hectopascals", {600, 1080}},
                {"optMillibars", "&Millibars", "Convert from Millibars", {600, 1560}},
                {"optmmOfHg", "mm &of Hg", "Convert from Millimetres of Mercury", {2160, 840}},
                {"optinOfHg", "i&n of Hg", "Convert from Inches of Mercury", {2160, 1320}},
            },
        .loadStepOption = 1,
        .inputName = "txtInAirPres",
        .input = {600, 2880, 1575},
        .convert = {"Convert Number", {2280, 2640}},
        .reset = {"Clear All Numbers", {2280, 3120}},
        .output = {"Clear Answers", {3840, 1440}},
        .back = {240, 3840},
        .exit = {1800, 3840},
        .notes = {},
        .outputs =
            {
                {"lblPascals",
                 "Pascals Output Number",
                 {3600, 1920, 1695},
                 "Label1",
                 "Pascals",
                 {5400, 1920}},
                {"lblHectopascals",
                 "Hectopascals Output Number",
                 {3600, 2400, 1695},
                 "Label2",
                 "Hectopascals",
                 {5400, 2400}},
                {"lblMillibars",
                 "Millibars Output Number",
                 {3600, 2880, 1695},
                 "Label3",
                 "Millibars",
                 {5400, 2880}},
                {"lblmmOfHg",
                 "Millimetres of Mercury Output Number",
                 {3600, 3360, 1695},
                 "Label4",
                 "mm of Hg",
                 {5400, 3360}},
                {"lblinOfHg",
                 "Inches of Mercury Output Number",
                 {3600, 3840, 1695},
                 "Label5",
                 "in of Hg",
                 {5400, 3840}},
            },
        .decimals = 5,
        // Columns: pascals, hectopascals, millibars, mm of mercury, inches of mercury.
        .cells =
            {
                // from Pascals
                {CellExpression::inputText(),
                 {over(100)},
                 {over(100)},
                 {over(133.322)},
                 {over(133.322), over(25.4)}},
                // from Hectopascals
                {{times(100)},
                 CellExpression::inputText(),
                 CellExpression::inputText(),
                 {over(133.322), times(100)},
                 {over(133.322), times(100), over(25.4)}},
                // from Millibars
                {{times(100)},
                 CellExpression::inputText(),
                 CellExpression::inputText(),
                 {over(133.322), times(100)},
                 {over(133.322), times(100), over(25.4)}},
                // from mm of Hg
                {{times(133.322)},
                 {times(133.322), over(100)},
                 {times(133.322), over(100)},
                 CellExpression::inputText(),
                 {over(25.4)}},
                // from in of Hg
                {{times(133.322), times(25.4)},
                 {times(133.322), times(25.4), over(100)},
                 {times(133.322), times(25.4), over(100)},
                 {times(25.4)},
                 CellExpression::inputText()},
            },
    };
    return table;
}

}  // namespace nimbaro
