#include "conversion_tables.h"

namespace nimbaro {

// A point is one hundredth of an inch.
const ConversionTable& rainfallTable() {
    static const ConversionTable table{
        .windowName = "frmRainfallConversions",
        .title = "Rainfall Conversions",
        .clientSize = {6795, 4425},
        .frame = {360, 240, 3495, 1935},
        .frameTooltip = "Select Data Type Here",
        .options =
            {
                {"optMillimetres", "&Millimetres", "Convert from Millimetres", {840, 600}},
                {"optCentimetres", "Ce&ntimetres", "Convert from Centimetres", {840, 1080}},
                {"optMetres", "M&etres", "Convert from Metres", {840, 1560}},
                {"optPoints", "&Points", "Convert from Points", {2280, 600}},
                {"optInches", "&Inches", "Convert from Inches", {2280, 1080}},
                {"optFeet", "&Feet", "Convert from Feet", {2280, 1560}},
            },
        .loadStepOption = 0,
        .inputName = "txtInRain",
        .input = {1080, 2880},
        .convert = {"Convert Number", {2640, 2640}},
        .reset = {"Clear All Numbers", {2640, 3120}},
        .output = {"Clear Answers", {4200, 960}},
        .back = {360, 3840},
        .exit = {1920, 3840},
        .notes = {},
        .outputs =
            {
                {"lblMillimetres",
                 "Millimetres Output Number",
                 {3960, 1440, 1695},
                 "Label1",
                 "Millimetres",
                 {5760, 1440}},
                {"lblCentimetres",
                 "Centimetres Output Number",
                 {3960, 1920, 1695},
                 "Label2",
                 "Centimetres",
                 {5760, 1920}},
                {"lblMetres",
                 "Metres Output Number",
                 {3960, 2400, 1695},
                 "Label3",
                 "Metres",
                 {5760, 2400}},
                {"lblPoints",
                 "Points Output Number",
                 {3960, 2880, 1695},
                 "Label4",
                 "Points",
                 {5760, 2880}},
                {"lblInches",
                 "Inches Output Number",
                 {3960, 3360, 1695},
                 "Label5",
                 "Inches",
                 {5760, 3360}},
                {"lblFeet",
                 "Feet Output Number",
                 {3960, 3840, 1695},
                 "Label6",
                 "Feet",
                 {5760, 3840}},
            },
        .decimals = 5,
        // Columns: millimetres, centimetres, metres, points, inches, feet.
        .cells =
            {
                // from Millimetres
                {CellExpression::inputText(),
                 {over(10)},
                 {over(1000)},
                 {over(25.4), times(100)},
                 {over(25.4)},
                 {over(0.3048), over(1000)}},
                // from Centimetres
                {{times(10)},
                 CellExpression::inputText(),
                 {over(100)},
                 {over(2.54), times(100)},
                 {over(2.54)},
                 {over(0.3048), over(100)}},
                // from Metres
                {{times(1000)},
                 {times(100)},
                 CellExpression::inputText(),
                 {over(2.54), times(10000)},
                 {over(2.54), times(100)},
                 {over(0.3048)}},
                // from Points
                {{times(25.4), over(100)},
                 {times(25.4), over(1000)},
                 {times(25.4), over(100000)},
                 CellExpression::inputText(),
                 {over(100)},
                 {over(100), over(12)}},
                // from Inches
                {{times(25.4)},
                 {times(2.54)},
                 {times(25.4), over(1000)},
                 {times(100)},
                 CellExpression::inputText(),
                 {over(12)}},
                // from Feet
                {{times(304.8)},
                 {times(30.48)},
                 {times(0.3048)},
                 {times(1200)},
                 {times(12)},
                 CellExpression::inputText()},
            },
    };
    return table;
}

}  // namespace nimbaro
