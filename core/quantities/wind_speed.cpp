#include "quantities.h"

namespace nimbaro {

const Quantity& windSpeedQuantity() {
    static const Quantity quantity{
        .id = "wind-speed",
        .name = "Wind Speed",
        .units =
            {
                {"kilometres-per-hour", "Km / Hour", {"km/h", "kmh", "kph"}},
                {"metres-per-second", "Metres / Sec", {"m/s", "mps"}},
                {"miles-per-hour", "Miles / Hour", {"mph", "mi/h"}},
                {"feet-per-second", "Feet / sec", {"ft/s", "fps"}},
                {"knots", "Knots", {"kn", "kt", "knot"}},
            },
        .decimals = 5,
        // Columns: km/h, m/s, mph, ft/s, knots.
        .cells =
            {
                // from Km / Hour
                {CellExpression::inputText(),
                 {times(1000), over(3600)},
                 {over(1.609344)},
                 {times(1000), over(3600), over(0.3048)},
                 {times(1000), over(1852)}},
                // from Metres / Sec
                {{times(3.6)},
                 CellExpression::inputText(),
                 {times(3.6), over(1.609344)},
                 {over(0.3048)},
                 {times(3600), over(1852)}},
                // from Miles / Hour
                {{times(1.609344)},
                 {times(1.609344), times(1000), over(3600)},
                 CellExpression::inputText(),
                 {times(1.609344), times(1000), over(3600), over(0.3048)},
                 {times(1.609344), times(1000), over(1852)}},
                // from Feet / Sec
                {{times(0.3048), times(3.6)},
                 {times(0.3048)},
                 {times(0.3048), times(3.6), over(1.609344)},
                 CellExpression::inputText(),
                 {times(0.3048), times(3.6), times(1000), over(1852)}},
                // from Knots
                {{times(1.852)},
                 {times(1.852), times(1000), over(3600)},
                 {times(1852), over(1000), over(1.609344)},
                 {times(1852), over(3600), over(0.3048)},
                 CellExpression::inputText()},
            },
    };
    return quantity;
}

}  // namespace nimbaro
