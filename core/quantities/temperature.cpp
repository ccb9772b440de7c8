#include "quantities.h"

namespace nimbaro {

const Quantity& temperatureQuantity() {
    static const Quantity quantity{
        .id = "temperature",
        .name = "Temperature",
        .units =
            {
                {"celsius", "Celsius", {"C", "degC", "°C", "centigrade"}},
                {"fahrenheit", "Fahrenheit", {"F", "degF", "°F"}},
                {"kelvin", "Kelvin", {"K"}},
            },
        .decimals = 5,
        .cells =
            {
                // from Celsius: the quotient 9 ÷ 5 is formed before it multiplies
                {CellExpression::inputText(), {times(9.0 / 5.0), plus(32)}, {plus(273.15)}},
                // from Fahrenheit
                {{minus(32), times(5), over(9)},
                 CellExpression::inputText(),
                 {minus(32), times(5), over(9), plus(273.15)}},
                // from Kelvin
                {{minus(273.15)},
                 {minus(273.15), times(9), over(5), plus(32)},
                 CellExpression::inputText()},
            },
    };
    return quantity;
}

}  // namespace nimbaro
