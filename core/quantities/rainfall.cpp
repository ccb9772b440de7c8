#include "quantities.h"

namespace nimbaro {

// A point is one hundredth of an inch.
const Quantity& rainfallQuantity() {
    static const Quantity quantity{
        .id = "rainfall",
        .name = "Rainfall",
        .units =
            {
                {"millimetres",
                 "millimetres",
                 "mm",
                 "Millimetres",
                 {"millimetre", "millimeter", "millimeters"}},
                {"centimetres",
                 "centimetres",
                 "cm",
                 "Centimetres",
                 {"centimetre", "centimeter", "centimeters"}},
                {"metres", "metres", "m", "Metres", {"metre", "meter", "meters"}},
                {"points", "points (hundredths of an inch)", "pt", "Points", {"point"}},
                {"inches", "inches", "in", "Inches", {"inch"}},
                {"feet", "feet", "ft", "Feet", {"foot"}},
            },
        .decimals = 5,
        // Columns: millimetres, centimetres, metres, points, inches, feet.
        .cells =
            {
                // from Millimetres
                {CellExpression::inputText(),
                 {over(10)},
                 {over(1000)},
                 {over(25.4), times(100)},
                 {over(25.4)},
                 {over(0.3048), over(1000)}},
                // from Centimetres
                {{times(10)},
                 CellExpression::inputText(),
                 {over(100)},
                 {over(2.54), times(100)},
                 {over(2.54)},
                 {over(0.3048), over(100)}},
                // from Metres
                {{times(1000)},
                 {times(100)},
                 CellExpression::inputText(),
                 {over(2.54), times(10000)},
                 {over(2.54), times(100)},
                 {over(0.3048)}},
                // from Points
                {{times(25.4), over(100)},
                 {times(25.4), over(1000)},
                 {times(25.4), over(100000)},
                 CellExpression::inputText(),
                 {over(100)},
                 {over(100), over(12)}},
                // from Inches
                {{times(25.4)},
                 {times(2.54)},
                 {times(25.4), over(1000)},
                 {times(100)},
                 CellExpression::inputText(),
                 {over(12)}},
                // from Feet
                {{times(304.8)},
                 {times(30.48)},
                 {times(0.3048)},
                 {times(1200)},
                 {times(12)},
                 CellExpression::inputText()},
            },
    };
    return quantity;
}

}  // namespace nimbaro
