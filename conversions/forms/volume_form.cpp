#include "conversion_forms.h"
#include "window_names.h"

namespace nimbaro {

const ConversionForm& volumeForm() {
    static const ConversionForm form{
        .quantity = volumeQuantity(),
        .windowName = window_names::kVolume,
        .title = "Volume Conversions",
        .clientSize = {6885, 5235},
        .frame = {240, 240, 3135, 2895},
        .frameTooltip = "Select Data Type Here",
        .options =
            {
                {"optMillimetres", "&Millimetres", "Convert from Millimetres", {480, 600}},
                {"optCentimetres", "Ce&ntimetres", "Convert from Centimetres", {480, 1080}},
                {"optMetres", "M&etres", "Convert from Metres", {480, 1560}},
                {"optKilometres", "&Kilometres", "Convert from Kilometres", {480, 2040}},
                {"optInches", "&Inches", "Convert from Inches", {1920, 600}},
                {"optFeet", "&Feet", "Convert from Feet", {1920, 1080}},
                {"optYards", "&Yards", "Convert from Yards", {1920, 1560}},
                {"optMiles", "&Miles", "Convert from Miles", {1920, 2040}},
            },
        .loadStepOption = 0,
        .inputName = "txtInputVolume",
        .input = {360, 3840, 1695},
        .convert = {"Convert Number", {2160, 3600}},
        .reset = {"Clear All Numbers", {2160, 4080}},
        .output = {"Clear All Numbers", {4080, 240}},
        .back = {360, 4680},
        .exit = {1920, 4680},
        .notes = {{"Label1", "# NOTE: Parameters are in Cubic Units", {360, 2280, 2655}}},
        .outputs =
            {
                {"lblMillimetres",
                 "Millimetres Output Number",
                 {3480, 720, 2415},
                 "Label2",
                 {6000, 720}},
                {"lblCentimetres",
                 "Centimetres Output Number",
                 {3480, 1200, 2415},
                 "Label3",
                 {6000, 1200}},
                {"lblMetres", "Metres Output Number", {3480, 1680, 2415}, "Label4", {6000, 1680}},
                {"lblKilometres",
                 "Kilometres Output Number",
                 {3480, 2160, 2415},
                 "Label5",
                 {6000, 2160}},
                {"lblInches", "Inches Output Number", {3480, 2640, 2415}, "Label6", {6000, 2640}},
                {"lblFeet", "Feet Output Number", {3480, 3120, 2415}, "Label7", {6000, 3120}},
                {"lblYards", "Yards Output Number", {3480, 3600, 2415}, "Label8", {6000, 3600}},
                {"lblMiles", "Miles Output Number", {3480, 4080, 2415}, "Label9", {6000, 4080}},
            },
    };
    return form;
}

}  // namespace nimbaro
