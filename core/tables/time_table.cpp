#include "conversion_tables.h"

namespace nimbaro {

// A day is always 24 hours and a week 7 days.
const ConversionTable& timeTable() {
    static const ConversionTable table{
        .windowName = "frmTimeConversions",
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
                {"lblSeconds",
                 "Seconds Output Number",
                 {3360, 1920, 1695},
                 "Label1",
                 "Seconds",
                 {5160, 1920}},
                {"lblMinutes",
                 "Minutes Output Number",
                 {3360, 2400, 1695},
                 "Label2",
                 "Minutes",
                 {5160, 2400}},
                {"lblHours",
                 "Hours Output Number",
                 {3360, 2880, 1695},
                 "Label3",
                 "Hours",
                 {5160, 2880}},
                {"lblDays",
                 "Days Output Number",
                 {3360, 3360, 1695},
                 "Label4",
                 "Days",
                 {5160, 3360}},
                {"lblWeeks",
                 "Weeks Output Number",
                 {3360, 3840, 1695},
                 "Label5",
                 "Weeks",
                 {5160, 3840}},
            },
        .decimals = 5,
        // Columns: seconds, minutes, hours, days, weeks.
        .cells =
            {
                // from Seconds
                {CellExpression::inputText(),
                 {over(60)},
                 {over(3600)},
                 {over(3600), over(24)},
                 {over(3600), over(24), over(7)}},
                // from Minutes
                {{times(60)},
                 CellExpression::inputText(),
                 {over(60)},
                 {over(60), over(24)},
                 {over(60), over(24), over(7)}},
                // from Hours
                {{times(3600)},
                 {times(60)},
                 CellExpression::inputText(),
                 {over(24)},
                 {over(24), over(7)}},
                // from Days
                {{times(3600), times(24)},
                 {times(24), times(60)},
                 {times(24)},
                 CellExpression::inputText(),
                 {over(7)}},
                // from Weeks
                {{times(7), times(24), times(3600)},
                 {times(7), times(24), times(60)},
                 {times(7), times(24)},
                 {times(7)},
                 CellExpression::inputText()},
            },
    };
    return table;
}

}  // namespace nimbaro
