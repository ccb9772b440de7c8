#include "conversion_forms.h"
#include "window_names.h"

namespace nimbaro {

const ConversionForm& rainfallForm() {
    static const ConversionForm form{
        .quantity = rainfallQuantity(),
        .windowName = window_names::kRainfall,
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
                 {5760, 1440}},
                {"lblCentimetres",
                 "Centimetres Output Number",
                 {3960, 1920, 1695},
                 "Label2",
                 {5760, 1920}},
                {"lblMetres", "Metres Output Number", {3960, 2400, 1695}, "Label3", {5760, 2400}},
                {"lblPoints", "Points Output Number", {3960, 2880, 1695}, "Label4", {5760, 2880}},
                {"lblInches", "Inches Output Number", {3960, 3360, 1695}, "Label5", {5760, 3360}},
                {"lblFeet", "Feet Output Number", {3960, 3840, 1695}, "Label6", {5760, 3840}},
            },
    };
    return form;
}

}  // namespace nimbaro
