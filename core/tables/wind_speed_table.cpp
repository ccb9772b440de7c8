#include "conversion_tables.h"

namespace nimbaro {

const ConversionTable& windSpeedTable() {
    static const ConversionTable table{
        .windowName = "frmWindSpeedConversions",
        .title = "Wind Speed Conversions",
        .clientSize = {6345, 4920},
        .frame = {240, 480, 3135, 2055},
        .frameTooltip = "Select Data Type Here",
        .options =
            {
                {"optKmPerHour", "&Km / Hour", "Convert from Kilometres Per Hour", {480, 840}},
                {"optMPerSec", "&Metres / Sec", "Convert from Metres Per Second", {480, 1320}},
                {"optMilesPerHour", "Miles / &Hour", "Convert from Miles Per Hour", {480, 1800}},
                {"optFeetPerSec", "&Feet / Sec", "Convert from Feet Per Second", {2040, 1080}},
                {"optKnots", "K&nots", "Convert from Knots", {2040, 1560}},
            },
        .loadStepOption = 0,
        .inputName = "txtInWindSpd",
        .input = {600, 3240},
        .convert = {"Convert Number", {2160, 3000}},
        .reset = {"Clear All Numbers", {2160, 3480}},
        .output = {"Clear Answers", {3720, 1800}},
        .back = {360, 4200},
        .exit = {1920, 4200},
        .notes = {},
        .outputs =
            {
                {"lblKmPerHour",
                 "Kilometres Per Hour Output Number",
                 {3480, 2280, 1695},
                 "Label1",
                 "Km / Hour",
                 {5280, 2280}},
                {"lblMPerSec",
                 "Metres Per Second Output Number",
                 {3480, 2760, 1695},
                 "Label2",
                 "Metres / Sec",
                 {5280, 2760}},
                {"lblMilesPerHour",
                 "Miles Per Hour Output Number",
                 {3480, 3240, 1695},
                 "Label3",
                 "Miles / Hour",
                 {5280, 3240}},
                {"lblFeetPerSec",
                 "Feet Per Second Output Number",
                 {3480, 3720, 1695},
                 "Label4",
                 "Feet / sec",
                 {5280, 3720}},
                {"lblKnots",
                 "Knots Output Number",
                 {3480, 4200, 1695},
                 "Label5",
                 "Knots",
                 {5280, 4200}},
            },
        .decimals = 5,
        // Columns: km/h, m/s, mph, ft/s, knots.
        .cells =
            {
                // from Km / Hour
                {CellExpression::inputText(),
                 {times(1000), over(3600)},
                 {over(1.609344)},
                 {times(1000), over(3600), over(0.3048)},
                 {times(1000), over(1852)}},
                // from Metres / Sec
                {{times(3.6)},
                 CellExpression::inputText(),
                 {times(3.6), over(1.609344)},
                 {over(0.3048)},
                 {times(3600), over(1852)}},
                // from Miles / Hour
                {{times(1.609344)},
                 {times(1.609344), times(1000), over(3600)},
                 CellExpression::inputText(),
                 {times(1.609344), times(1000), over(3600), over(0.3048)},
                 {times(1.609344), times(1000), over(1852)}},
                // from Feet / Sec
                {{times(0.3048), times(3.6)},
                 {times(0.3048)},
                 {times(0.3048), times(3.6), over(1.609344)},
                 CellExpression::inputText(),
                 {times(0.3048), times(3.6), times(1000), over(1852)}},
                // from Knots
                {{times(1.852)},
                 {times(1.852), times(1000), over(3600)},
                 {times(1852), over(1000), over(1.609344)},
                 {times(1852), over(3600), over(0.3048)},
                 CellExpression::inputText()},
            },
    };
    return table;
}

}  // namespace nimbaro
