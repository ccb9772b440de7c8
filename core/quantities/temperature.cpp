#include "quantities.h"
#include "quantities/unit_cells.h"

namespace nimbaro {

const Quantity& temperatureQuantity() {
    static const Quantity quantity{
        .id = "temperature",
        .name = "Temperature",
        .units =
            {
                {"celsius",
                 "degrees Celsius",
                 "°C",
                 "Celsius",
                 {"C", "degC", "degrees C", "degree Celsius", "centigrade"}},
                {"fahrenheit",
                 "degrees Fahrenheit",
                 "°F",
                 "Fahrenheit",
                 {"F", "degF", "degrees F", "degree Fahrenheit"}},
                {"kelvin", "kelvins", "K", "Kelvin", {"°K", "degK"}},
            },
        .decimals = 5,
        .cells = rowsOf(kTemperatureCells),
    };
    return quantity;
}

}  // namespace nimbaro
