#include "conversion_forms.h"
#include "window_names.h"

namespace nimbaro {

const ConversionForm& airPressureForm() {
    static const ConversionForm form{
        .quantity = airPressureQuantity(),
        .windowName = window_names::kAirPressure,
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
                {"lblPascals", "Pascals Output Number", {3600, 1920, 1695}, "Label1", {5400, 1920}},
                {"lblHectopascals",
                 "Hectopascals Output Number",
                 {3600, 2400, 1695},
                 "Label2",
                 {5400, 2400}},
                {"lblMillibars",
                 "Millibars Output Number",
                 {3600, 2880, 1695},
                 "Label3",
                 {5400, 2880}},
                {"lblmmOfHg",
                 "Millimetres of Mercury Output Number",
                 {3600, 3360, 1695},
                 "Label4",
                 {5400, 3360}},
                {"lblinOfHg",
                 "Inches of Mercury Output Number",
                 {3600, 3840, 1695},
                 "Label5",
                 {5400, 3840}},
            },
    };
    return form;
}

}  // namespace nimbaro
