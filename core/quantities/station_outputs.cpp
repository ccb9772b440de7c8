#include "quantities.h"

namespace nimbaro {

const Quantity& massRatioQuantity() {
    static const Quantity quantity{
        .id = "mass-ratio",
        .name = "Mass Ratio",
        .units = {{"grams-per-kilogram",
                   "grams per kilogram",
                   "g/kg",
                   "Grams per Kilogram",
                   {"g kg-1", "gram per kilogram"}}},
        .decimals = 5,
        .cells = {{CellExpression::inputText()}},
    };
    return quantity;
}

const Quantity& densityQuantity() {
    static const Quantity quantity{
        .id = "density",
        .name = "Density",
        .units =
            {
                {"kilograms-per-cubic-metre",
                 "kilograms per cubic metre",
                 "kg/m³",
                 "Kilograms per Cubic Metre",
                 {"kg/m3", "kg m-3", "kilograms per cubic meter"}},
                {"grams-per-cubic-metre",
                 "grams per cubic metre",
                 "g/m³",
                 "Grams per Cubic Metre",
                 {"g/m3", "g m-3", "grams per cubic meter"}},
            },
        .decimals = 5,
        .cells = {{CellExpression::inputText(), {times(1000)}},
                  {{over(1000)}, CellExpression::inputText()}},
    };
    return quantity;
}

// The force of the Beaufort scale, a whole number from 0 to 12.
const Quantity& beaufortQuantity() {
    static const Quantity quantity{
        .id = "beaufort-force",
        .name = "Beaufort Force",
        .units = {{"force", "Beaufort force", "Bft", "Force", {"beaufort", "bf"}}},
        .decimals = 0,
        .cells = {{CellExpression::inputText()}},
    };
    return quantity;
}

}  // namespace nimbaro
