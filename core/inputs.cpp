#include "inputs.h"

#include <algorithm>

#include "formulas/units.h"

namespace nimbaro {
namespace {

constexpr InputInfo kInputs[] = {
    {
        .input = Input::Value,
        .id = "value",
        .name = "value",
        .description = "value",
        .unit = std::nullopt,
    },
    {
        .input = Input::AirTemperature,
        .id = "air-temperature",
        .name = "air temperature",
        .description = "air temperature",
        .unit = TemperatureUnit::Celsius,
    },
    {
        .input = Input::Humidity,
        .id = "humidity",
        .name = "humidity",
        .description = "relative humidity",
        .unit = HumidityUnit::Percent,
    },
    {
        .input = Input::DewPoint,
        .id = "dew-point",
        .name = "dew point",
        .description = "dew point",
        .unit = TemperatureUnit::Celsius,
    },
    {
        .input = Input::WetBulb,
        .id = "wet-bulb",
        .name = "wet bulb",
        .description = "wet-bulb temperature",
        .unit = TemperatureUnit::Celsius,
    },
    {
        .input = Input::AirPressure,
        .id = "air-pressure",
        .name = "air pressure",
        .description = "air pressure",
        .unit = PressureUnit::Hectopascals,
    },
    {
        .input = Input::WindSpeed,
        .id = "wind-speed",
        .name = "wind speed",
        .description = "wind speed",
        .unit = WindSpeedUnit::KilometresPerHour,
    },
    // The time to the thunder, named by the seconds it is always typed in.
    {
        .input = Input::Time,
        .id = "seconds",
        .name = "time",
        .description = "time from the flash to the thunder",
        .unit = TimeUnit::Seconds,
    },
    {
        .input = Input::Elevation,
        .id = "elevation",
        .name = "elevation",
        .description = "station elevation above mean sea level",
        .unit = LengthUnit::Metres,
    },
};

// A row for every input, in the order of Input.
constexpr bool everyInputInOrder() {
    for (std::size_t i = 0; i < std::size(kInputs); ++i) {
        if (kInputs[i].input != static_cast<Input>(i)) {
            return false;
        }
    }
    return std::size(kInputs) == kInputCount;
}
static_assert(everyInputInOrder());

}  // namespace

std::span<const InputInfo> inputs() {
    return kInputs;
}

const InputInfo& inputInfo(Input input) {
    return kInputs[static_cast<std::size_t>(input)];
}

std::vector<Input> inputsTypedIn(const Quantity& quantity) {
    std::vector<Input> typed;
    for (const InputInfo& info : kInputs) {
        if (info.unit && &info.unit->quantity() == &quantity) {
            typed.push_back(info.input);
        }
    }
    return typed;
}

std::string identifierOf(std::string_view id) {
    std::string identifier(id);
    std::replace(identifier.begin(), identifier.end(), '-', '_');
    return identifier;
}

}  // namespace nimbaro
