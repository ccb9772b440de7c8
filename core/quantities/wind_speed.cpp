#include "quantities.h"
#include "quantities/unit_cells.h"

namespace nimbaro {

const Quantity& windSpeedQuantity() {
    static const Quantity quantity{
        .id = "wind-speed",
        .name = "Wind Speed",
        .units =
            {
                {"kilometres-per-hour",
                 "kilometres per hour",
                 "km/h",
                 "Km / Hour",
                 {"kmh", "kph", "kmph", "km/hr", "km h-1", "kilometre per hour",
                  "kilometers per hour", "kilometer per hour"}},
                {"metres-per-second",
                 "metres per second",
                 "m/s",
                 "Metres / Sec",
                 {"mps", "m/sec", "m s-1", "m s^-1", "m s⁻¹", "metre per second",
                  "meters per second", "meter per second"}},
                {"miles-per-hour",
                 "miles per hour",
                 "mph",
                 "Miles / Hour",
                 {"mi/h", "mi/hr", "mile per hour"}},
                {"feet-per-second",
                 "feet per second",
                 "ft/s",
                 "Feet / sec",
                 {"fps", "ft/sec", "ft s-1", "foot per second"}},
                {"knots", "knots", "kn", "Knots", {"kt", "kts", "knot"}},
            },
        .decimals = 5,
        // Columns: km/h, m/s, mph, ft/s, knots.
        .cells = rowsOf(kWindSpeedCells),
    };
    return quantity;
}

}  // namespace nimbaro
