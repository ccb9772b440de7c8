#include "conversion_forms.h"
#include "window_names.h"

namespace nimbaro {

const ConversionForm& lengthForm() {
    static const ConversionForm form{
        .quantity = lengthQuantity(),
        .windowName = window_names::kLength,
        .title = "Length Conversions",
        .clientSize = {6795, 4665},
        .frame = {240, 240, 3495, 2415},
        .frameTooltip = "Select Data Type Here",
        .options =
            {
                {"optMillimetres", "&Millimetres", "Convert from Millimetres", {720, 600}},
                {"optMetres", "M&etres", "Convert from Metres", {720, 1080}},
                {"optKilometres", "&Kilometres", "Convert from Kilometres", {720, 1560}},
                {"optInches", "&Inches", "Convert from Inches", {720, 2040}},
                {"optFeet", "&Feet", "Convert from Feet", {2160, 600}},
                {"optYards", "&Yards", "Convert from Yards", {2160, 1080}},
                {"optMiles", "Mile&s", "Convert from Miles", {2160, 1560}},
                {"optNauticleMiles",
                 "&Nauticle Miles",
                 "Convert from Nauticle Miles",
                 {2160, 2040}},
            },
        .loadStepOption = 0,
        .inputName = "txtInLength",
        .input = {960, 3000},
        .convert = {"Convert Number", {2520, 2760}},
        .reset = {"Clear All Numbers", {2520, 3240}},
        .output = {"Clear Answers", {4080, 360}},
        .back = {240, 4200},
        .exit = {1800, 4200},
        .notes = {},
        .outputs =
            {
                {"lblMillimetres", "Millimetres Output Number", {3840, 840}, "Label1", {5640, 840}},
                {"lblMetres", "Metres Output Number", {3840, 1320}, "Label2", {5640, 1320}},
                {"lblKilometres", "Kilometres Output Number", {3840, 1800}, "Label3", {5640, 1800}},
                {"lblInches", "Inches Output Number", {3840, 2280}, "Label4", {5640, 2280}},
                {"lblFeet", "Feet Output Number", {3840, 2760}, "Label5", {5640, 2760}},
                {"lblYards", "Yards Output Number", {3840, 3240}, "Label6", {5640, 3240}},
                {"lblMiles", "Miles Output Number", {3840, 3720}, "Label7", {5640, 3720}},
                {"lblNauticleMiles",
                 "Nauticle Miles Output Number",
                 {3840, 4200},
                 "Label8",
                 {5640, 4200}},
            },
    };
    return form;
}

}  // namespace nimbaro
