#include "quantities.h"

namespace nimbaro {

// A day is always 24 hours and a week 7 days.
const Quantity& timeQuantity() {
    static const Quantity quantity{
        .id = "time",
        .name = "Time",
        .units =
            {
                {"seconds", "seconds", "s", "Seconds", {"sec", "secs", "second"}},
                {"minutes", "minutes", "min", "Minutes", {"mins", "minute"}},
                {"hours", "hours", "h", "Hours", {"hr", "hrs", "hour"}},
                {"days", "days", "d", "Days", {"day"}},
                {"weeks", "weeks", "wk", "Weeks", {"week", "wks"}},
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
    return quantity;
}

}  // namespace nimbaro
