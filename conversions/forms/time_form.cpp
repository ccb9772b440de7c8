#include "conversion_forms.h"
#include "window_names.h"

namespace nimbaro {

const ConversionForm& timeForm() {
    static const ConversionForm form{
        .quantity = timeQuantity(),
        .windowName = window_names::kTime,
        .title = "Time Conversions",
        .clientSize = {5985, 4440},
        .frame = {360, 240, 2895, 1935},
        .frameTooltip = "Select Data Type Here",
        .options =
            {
                {"optSeconds", "&Seconds", "Convert From Seconds", {600, 600}},
                {"optMinutes", "&Minutes", "Convert From Minutes", {600, 1080}},
                {"optHours", "&Hours", "Convert From Hours", {600, 1560}},
                {"optDays", "&Days", "Convert From Days", {2040, 840}},
                {"optWeeks", "&Weeks", "Weeks", {2040, 1320}},
            },
        .loadStepOption = 0,
        .inputName = "txtInputTime",
        .input = {480, 2880},
        .convert = {"Convert Numbers", {2040, 2640}},
        .reset = {"Clear All Numbers", {2040, 3120}},
        .output = {"Clear Answers", {3600, 1440}},
        .back = {480, 3840},
        .exit = {2040, 3840},
        .notes = {},
        .outputs =
            {
                {"lblSeconds", "Seconds Output Number", {3360, 1920, 1695}, "Label1", {5160, 1920}},
                {"lblMinutes", "Minutes Output Number", {3360, 2400, 1695}, "Label2", {5160, 2400}},
                {"lblHours", "Hours Output Number", {3360, 2880, 1695}, "Label3", {5160, 2880}},
                {"lblDays", "Days Output Number", {3360, 3360, 1695}, "Label4", {5160, 3360}},
                {"lblWeeks", "Weeks Output Number", {3360, 3840, 1695}, "Label5", {5160, 3840}},
            },
    };
    return form;
}

}  // namespace nimbaro
