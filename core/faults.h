#pragma once

#include <cstddef>
#include <variant>

namespace nimbaro {

// What a person types into a conversion or a calculation.
enum class Input {
    Value,
    AirTemperature,
    Humidity,
    DewPoint,
    WetBulb,
    AirPressure,
    WindSpeed,
    Time,
    Elevation,
};

inline constexpr std::size_t kInputCount = static_cast<std::size_t>(Input::Elevation) + 1;

// The rule an input broke.
enum class Rule {
    Number,           // the text is not a number in the locale's rules
    HumidityRange,    // a relative humidity must be greater than 0 and at most 100
    GreaterThanZero,  // a wind speed or a time
    NotNegative,      // a wind speed that may be calm
};

struct InputFault {
    Input input;
    Rule rule;
    friend bool operator==(const InputFault&, const InputFault&) = default;
};

// The arithmetic left the double range or met a domain fault (the logarithm of a number not
// greater than zero, 0 / 0 and the like), or a result's text would not read back.
struct ComputationFault {
    friend bool operator==(const ComputationFault&, const ComputationFault&) = default;
};

// Every output of a conversion or a calculation, or why there is none.
template <typename Outputs>
using Outcome = std::variant<Outputs, InputFault, ComputationFault>;

}  // namespace nimbaro
