#include "quantities.h"

namespace nimbaro {

const Quantity& lengthQuantity() {
    static const Quantity quantity{
        .id = "length",
        .name = "Length",
        .units =
            {
                {"millimetres",
                 "millimetres",
                 "mm",
                 "Millimetres",
                 {"millimetre", "millimeter", "millimeters"}},
                {"metres", "metres", "m", "Metres", {"metre", "meter", "meters"}},
                {"kilometres",
                 "kilometres",
                 "km",
                 "Kilometres",
                 {"kilometre", "kilometer", "kilometers"}},
                {"inches", "inches", "in", "Inches", {"inch"}},
                {"feet", "feet", "ft", "Feet", {"foot"}},
                {"yards", "yards", "yd", "Yards", {"yard"}},
                {"miles", "miles", "mi", "Miles", {"mile", "statute miles"}},
                {"nautical-miles",
                 "nautical miles",
                 "nmi",
                 "Nauticle Miles",
                 {"nautical-mile", "nautical mile"}},
            },
        .decimals = 5,
        // Columns: millimetres, metres, kilometres, inches, feet, yards, miles, nautical miles.
        .cells =
            {
                // from Millimetres
                {CellExpression::inputText(),
                 {over(1000)},
                 {over(1000000)},
                 {over(25.4)},
                 {over(25.4), over(12)},
                 {over(0.9144), over(1000)},
                 {over(1609.344), over(1000)},
                 {over(1852), over(1000)}},
                // from Metres
                {{times(1000)},
                 CellExpression::inputText(),
                 {over(1000)},
                 {over(25.4), times(1000)},
                 {over(0.3048)},
                 {over(0.9144)},
                 {over(1609.344)},
                 {over(1852)}},
                // from Kilometres
                {{times(1000000)},
                 {times(1000)},
                 CellExpression::inputText(),
                 {over(25.4), times(1000000)},
                 {over(0.3048), times(1000)},
                 {over(0.9144), times(1000)},
                 {over(1.609344)},
                 {over(1.852)}},
                // from Inches
                {{times(25.4)},
                 {times(25.4), over(1000)},
                 {times(25.4), over(1000000)},
                 CellExpression::inputText(),
                 {over(12)},
                 {over(12), over(3)},
                 {times(25.4), over(1000000), over(1.609344)},
                 {times(25.4), over(1000000), over(1.852)}},
                // from Feet
                {{times(304.8)},
                 {times(0.3048)},
                 {times(0.3048), over(1000)},
                 {times(12)},
                 CellExpression::inputText(),
                 {over(3)},
                 {times(0.3048), over(1000), over(1.609344)},
                 {times(0.3048), over(1000), over(1.852)}},
                // from Yards
                {{times(0.9144), times(1000)},
                 {times(0.9144)},
                 {times(0.9144), over(1000)},
                 {times(3), times(12)},
                 {times(3)},
                 CellExpression::inputText(),
                 {over(1760)},
                 {times(0.9144), over(1000), over(1.852)}},
                // from Miles
                {{times(1609.344), times(1000)},
                 {times(1609.344)},
                 {times(1.609344)},
                 {times(1609.344), times(1000), over(25.4)},
                 {times(1609.344), over(0.3048)},
                 {times(1760)},
                 CellExpression::inputText(),
                 {times(1.609344), over(1.852)}},
                // from Nautical Miles
                {{times(1852), times(1000)},
                 {times(1852)},
                 {times(1.852)},
                 {times(1852), times(1000), over(25.4)},
                 {times(1852), over(0.3048)},
                 {times(1852), over(0.9144)},
                 {times(1852), over(1609.344)},
                 CellExpression::inputText()},
            },
        .refused = {{"nm", "nmi"}},
    };
    return quantity;
}

}  // namespace nimbaro
