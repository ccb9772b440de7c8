#include "quantities.h"

namespace nimbaro {

// The metric and ounce rows go through the ounce (28.34952 g, shortened), the pound and stone
// rows through the pound (0.45359237 kg, exact): the two paths differ in the seventh digit.
const Quantity& massQuantity() {
    static const Quantity quantity{
        .id = "mass",
        .name = "Mass",
        .units =
            {
                {"grams", "grams", "g", "Grams", {"gram", "gramme", "grammes"}},
                {"kilograms", "kilograms", "kg", "Kilograms", {"kilogram", "kilo", "kilos"}},
                {"tonnes", "tonnes", "t", "Tonne", {"tonne", "metric-ton", "metric tons"}},
                {"ounces", "ounces", "oz", "Ounces", {"ounce"}},
                {"pounds", "pounds", "lb", "Pounds", {"lbs", "pound"}},
                {"stone", "stone", "st", "Stone", {"stones"}},
            },
        .decimals = 5,
        // Columns: grams, kilograms, tonnes, ounces, pounds, stone.
        .cells =
            {
                // from Grams
                {CellExpression::inputText(),
                 {over(1000)},
                 {over(1000), over(1000)},
                 {over(28.34952)},
                 {over(28.34952), over(16)},
                 {over(28.34952), over(16), over(14)}},
                // from Kilograms
                {{times(1000)},
                 CellExpression::inputText(),
                 {over(1000)},
                 {times(1000), over(28.34952)},
                 {times(1000), over(28.34952), over(16)},
                 {times(1000), over(28.34952), over(16), over(14)}},
                // from Tonne
                {{times(1000), times(1000)},
                 {times(1000)},
                 CellExpression::inputText(),
                 {times(1000), times(1000), over(28.34952)},
                 {times(1000), times(1000), over(28.34952), over(16)},
                 {times(1000), times(1000), over(28.34952), over(16), over(14)}},
                // from Ounces
                {{times(28.34952)},
                 {over(1000), times(28.34952)},
                 {over(1000), over(1000), times(28.34952)},
                 CellExpression::inputText(),
                 {over(16)},
                 {over(16), over(14)}},
                // from Pounds
                {{times(0.45359237), times(1000)},
                 {times(0.45359237)},
                 {times(0.45359237), over(1000)},
                 {times(16)},
                 CellExpression::inputText(),
                 {over(14)}},
                // from Stone
                {{times(14), times(0.45359237), times(1000)},
                 {times(14), times(0.45359237)},
                 {times(14), times(0.45359237), over(1000)},
                 {times(14), times(16)},
                 {times(14)},
                 CellExpression::inputText()},
            },
    };
    return quantity;
}

}  // namespace nimbaro
