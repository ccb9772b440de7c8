#include "quantities.h"
#include "quantities/unit_cells.h"

namespace nimbaro {

// The cells, a millimetre of mercury 133.322 Pa, are in unit_cells.h.
const Quantity& airPressureQuantity() {
    static const Quantity quantity{
        .id = "air-pressure",
        .name = "Air Pressure",
        .units =
            {
                {"pascals", "pascals", "Pa", "Pascals", {"pascal"}},
                {"hectopascals", "hectopascals", "hPa", "Hectopascals", {"hectopascal"}},
                {"millibars", "millibars", "mbar", "Millibars", {"mb", "millibar"}},
                {"millimetres-of-mercury",
                 "millimetres of mercury",
                 "mmHg",
                 "mm of Hg",
                 {"torr", "millimetre of mercury", "millimeters of mercury"}},
                {"inches-of-mercury", "inches of mercury", "inHg", "in of Hg", {"inch of mercury"}},
            },
        .decimals = 5,
        // Columns: pascals, hectopascals, millibars, mm of mercury, inches of mercury.
        .cells = rowsOf(kAirPressureCells),
    };
    return quantity;
}

}  // namespace nimbaro
