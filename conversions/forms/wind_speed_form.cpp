#include "conversion_forms.h"
#include "window_names.h"

namespace nimbaro {

const ConversionForm& windSpeedForm() {
    static const ConversionForm form{
        .quantity = windSpeedQuantity(),
        .windowName = window_names::kWindSpeed,
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
                 {5280, 2280}},
                {"lblMPerSec",
                 "Metres Per Second Output Number",
                 {3480, 2760, 1695},
                 "Label2",
                 {5280, 2760}},
                {"lblMilesPerHour",
                 "Miles Per Hour Output Number",
                 {3480, 3240, 1695},
                 "Label3",
                 {5280, 3240}},
                {"lblFeetPerSec",
                 "Feet Per Second Output Number",
                 {3480, 3720, 1695},
                 "Label4",
                 {5280, 3720}},
                {"lblKnots", "Knots Output Number", {3480, 4200, 1695}, "Label5", {5280, 4200}},
            },
    };
    return form;
}

}  // namespace nimbaro
