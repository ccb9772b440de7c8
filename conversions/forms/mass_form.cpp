#include "conversion_forms.h"
#include "window_names.h"

namespace nimbaro {

const ConversionForm& massForm() {
    static const ConversionForm form{
        .quantity = massQuantity(),
        .windowName = window_names::kMass,
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
                {"lblGrams", "Grams Output Number", {3120, 1320, 1695}, "Label1", {4920, 1320}},
                {"lblKilograms",
                 "Kilograms Output Number",
                 {3120, 1800, 1695},
                 "Label2",
                 {4920, 1800}},
                {"lblTonne", "Tonne Output Number", {3120, 2280, 1695}, "Label3", {4920, 2280}},
                {"lblOunces", "Ounces Output Number", {3120, 2760, 1695}, "Label4", {4920, 2760}},
                {"lblPounds", "Pounds Output Number", {3120, 3240, 1695}, "Label5", {4920, 3240}},
                {"lblStone", "Stone Output Number", {3120, 3720, 1695}, "Label6", {4920, 3720}},
            },
    };
    return form;
}

}  // namespace nimbaro
