#include "conversion_forms.h"
#include "window_names.h"

namespace nimbaro {

const ConversionForm& areaForm() {
    static const ConversionForm form{
        .quantity = areaQuantity(),
        .windowName = window_names::kArea,
        .title = "Area Conversions",
        .clientSize = {6810, 5430},
        .frame = {120, 360, 3135, 3255},
        .frameTooltip = "Select Data Type Here",
        .options =
            {
                {"optMillimetres", "&Millimetres", "Convert from Millimetres", {360, 600}},
                {"optCentimetres", "Ce&ntimetres", "Convert from Centimetres", {360, 1080}},
                {"optMetres", "M&etres", "Convert from Metres", {360, 1560}},
                {"optKilometres", "&Kilometres", "Convert from Kilometres", {360, 2040}},
                {"optInches", "&Inches", "Convert from Inches", {1800, 600}},
                {"optFeet", "&Feet", "Convert from Feet", {1800, 1080}},
                {"optYards", "&Yards", "Convert from Yards", {1800, 1560}},
                {"optMiles", "&Miles", "Convert from Miles", {1800, 2040}},
                {"optAcres", "Acre&s", "Convert from Acres", {1800, 2520}},
                {"optHectares", "&Hectares", "Convert from Hectares", {360, 2520}},
            },
        .loadStepOption = 0,
        .inputName = "txtInputArea",
        .input = {240, 4200, 1695},
        .convert = {"Convert Number", {2040, 3960}},
        .reset = {"Clear All Numbers", {2040, 4440}},
        .output = {"Clear All Numbers", {3960, 120}},
        .back = {120, 4920},
        .exit = {1680, 4920},
        .notes = {{"Label12", "# NOTE: Parameters are in Square Units", {480, 2640, 2535}, true}},
        .outputs =
            {
                {"lblMillimetres",
                 "Millimetres Output Number",
                 {3360, 600, 2415},
                 "Label1",
                 {5880, 600}},
                {"lblCentimetres",
                 "Centimetres Output Number",
                 {3360, 1080, 2415},
                 "Label2",
                 {5880, 1080}},
                {"lblMetres", "Metres Output Number", {3360, 1560, 2415}, "Label3", {5880, 1560}},
                {"lblKilometres",
                 "Kilometres Output Number",
                 {3360, 2040, 2415},
                 "Label4",
                 {5880, 2040}},
                {"lblInches", "Inches Output Number", {3360, 2520, 2415}, "Label5", {5880, 2520}},
                {"lblFeet", "Feet Output Number", {3360, 3000, 2415}, "Label6", {5880, 3000}},
                {"lblYards", "Yards Output Number", {3360, 3480, 2415}, "Label7", {5880, 3480}},
                {"lblMiles", "Miles Output Number", {3360, 3960, 2415}, "Label8", {5880, 3960}},
                {"lblAcres", "Acres Output Number", {3360, 4440, 2415}, "Label9", {5880, 4440}},
                {"lblHectares",
                 "Hectares Output Number",
                 {3360, 4920, 2415},
                 "Label10",
                 {5880, 4920}},
            },
    };
    return form;
}

}  // namespace nimbaro
