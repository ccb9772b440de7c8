#include "quantities.h"

namespace nimbaro {

// Cubic units throughout; the cubic mile is 4.168181825 km³ in every cell.
const Quantity& volumeQuantity() {
    static const Quantity quantity{
        .id = "volume",
        .name = "Volume",
        .units =
            {
                {"cubic-millimetres", "cubic millimetres", "mm³", "Millimetres", {"mm3", "mm"}},
                {"cubic-centimetres",
                 "cubic centimetres",
                 "cm³",
                 "Centimetres",
                 {"cm3", "cc", "cm", "ml", "millilitres"}},
                {"cubic-metres", "cubic metres", "m³", "Metres", {"m3", "m", "cu m"}},
                {"cubic-kilometres", "cubic kilometres", "km³", "Kilometres", {"km3", "km"}},
                {"cubic-inches", "cubic inches", "in³", "Inches", {"in3", "in", "cu in"}},
                {"cubic-feet", "cubic feet", "ft³", "Feet", {"ft3", "ft", "cu ft"}},
                {"cubic-yards", "cubic yards", "yd³", "Yards", {"yd3", "yd", "cu yd"}},
                {"cubic-miles", "cubic miles", "mi³", "Miles", {"mi3", "mi", "cu mi"}},
            },
        .decimals = 10,
        // Columns: mm³, cm³, m³, km³, in³, ft³, yd³, mi³.
        .cells =
            {
                // from Millimetres
                {CellExpression::inputText(),
                 {over(1000)},
                 {over(1000), over(1000000)},
                 {over(1000), over(1000000), over(1000000000)},
                 {over(16387.064)},
                 {over(16387.064), over(1728)},
                 {over(16387.064), over(1728), over(27)},
                 {over(1000), over(1000000), over(1000000000), over(4.168181825)}},
                // from Centimetres
                {{times(1000)},
                 CellExpression::inputText(),
                 {over(1000000)},
                 {over(1000000), over(1000000000)},
                 {over(16.387064)},
                 {over(16.387064), over(1728)},
                 {over(16.387064), over(1728), over(27)},
                 {over(1000000), over(1000000000), over(4.168181825)}},
                // from Metres
                {{times(1000000), times(1000)},
                 {times(1000000)},
                 CellExpression::inputText(),
                 {over(1000000000)},
                 {times(1000000), over(16.387064)},
                 {times(1000000), over(16.387064), over(1728)},
                 {times(1000000), over(16.387064), over(1728), over(27)},
                 {over(1000000000), over(4.168181825)}},
                // from Kilometres
                {{times(1000000000), times(1000000), times(1000)},
                 {times(1000000000), times(1000000)},
                 {times(1000000000)},
                 CellExpression::inputText(),
                 {times(1000000000), times(1000000), over(16.387064)},
                 {times(1000000000), times(1000000), over(16.387064), over(1728)},
                 {times(1000000000), times(1000000), over(16.387064), over(1728), over(27)},
                 {over(4.168181825)}},
                // from Inches
                {{times(16.387064), times(1000)},
                 {times(16.387064)},
                 {times(16.387064), over(1000000)},
                 {times(16.387064), over(1000000), over(1000000000)},
                 CellExpression::inputText(),
                 {over(1728)},
                 {over(1728), over(27)},
                 {times(16.387064), over(1000000), over(1000000000), over(4.168181825)}},
                // from Feet
                {{times(1728), times(16.387064), times(1000)},
                 {times(1728), times(16.387064)},
                 {times(1728), times(16.387064), over(1000000)},
                 {times(1728), times(16.387064), over(1000000), over(1000000000)},
                 {times(1728)},
                 CellExpression::inputText(),
                 {over(27)},
                 {times(1728), times(16.387064), over(1000000), over(1000000000),
                  over(4.168181825)}},
                // from Yards
                {{times(27), times(1728), times(16.387064), times(1000)},
                 {times(27), times(1728), times(16.387064)},
                 {times(27), times(1728), times(16.387064), over(1000000)},
                 {times(27), times(1728), times(16.387064), over(1000000), over(1000000000)},
                 {times(27), times(1728)},
                 {times(27)},
                 CellExpression::inputText(),
                 {times(27), times(1728), times(16.387064), over(1000000), over(1000000000),
                  over(4.168181825)}},
                // from Miles
                {{times(4.168181825), times(1000000000), times(1000000), times(1000)},
                 {times(4.168181825), times(1000000000), times(1000000)},
                 {times(4.168181825), times(1000000000)},
                 {times(4.168181825)},
                 {times(4.168181825), times(1000000000), times(1000000), over(16.387064)},
                 {times(4.168181825), times(1000000000), times(1000000), over(16.387064),
                  over(1728)},
                 {times(4.168181825), times(1000000000), times(1000000), over(16.387064),
                  over(1728), over(27)},
                 CellExpression::inputText()},
            },
    };
    return quantity;
}

}  // namespace nimbaro
