#include "quantities.h"

namespace nimbaro {

// A millimetre of mercury is 133.322 Pa (shortened, the same in every cell); hectopascals and
// millibars are one unit, so either as the source copies the input text into both.
const Quantity& airPressureQuantity() {
    static const Quantity quantity{
        .id = "air-pressure",
        .name = "Air Pressure",
        .units =
            {
                {"pascals", "Pascals", {"Pa", "pascal"}},
                {"hectopascals", "Hectopascals", {"hPa", "hectopascal"}},
                {"millibars", "Millibars", {"mb", "mbar", "millibar"}},
                {"millimetres-of-mercury", "mm of Hg", {"mmHg", "torr"}},
                {"inches-of-mercury", "in of Hg", {"inHg"}},
            },
        .decimals = 5,
        // Columns: pascals, hectopascals, millibars, mm of mercury, inches of mercury.
        .cells =
            {
                // from Pascals
                {CellExpression::inputText(),
                 {over(100)},
                 {over(100)},
                 {over(133.322)},
                 {over(133.322), over(25.4)}},
                // from Hectopascals
                {{times(100)},
                 CellExpression::inputText(),
                 CellExpression::inputText(),
                 {over(133.322), times(100)},
                 {over(133.322), times(100), over(25.4)}},
                // from Millibars
                {{times(100)},
                 CellExpression::inputText(),
                 CellExpression::inputText(),
                 {over(133.322), times(100)},
                 {over(133.322), times(100), over(25.4)}},
                // from mm of Hg
                {{times(133.322)},
                 {times(133.322), over(100)},
                 {times(133.322), over(100)},
                 CellExpression::inputText(),
                 {over(25.4)}},
                // from in of Hg
                {{times(133.322), times(25.4)},
                 {times(133.322), times(25.4), over(100)},
                 {times(133.322), times(25.4), over(100)},
                 {times(25.4)},
                 CellExpression::inputText()},
            },
    };
    return quantity;
}

}  // namespace nimbaro
