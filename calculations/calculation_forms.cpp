#include "calculation_forms.h"

#include <algorithm>
#include <array>
#include <utility>

namespace nimbaro {

namespace {

// A frame of options with no tooltip of its own, for every input typed in `quantity`.
CalculationForm::UnitGroup unitsTypedIn(const Quantity& quantity, std::string_view frameName,
                                        std::string_view caption,
                                        std::vector<CalculationForm::UnitOption> options) {
    return {
        .frameName = frameName,
        .caption = caption,
        .tooltip = {},
        .inputs = inputsTypedIn(quantity),
        .options = std::move(options),
    };
}

}  // namespace

CalculationForm::UnitGroup temperatureUnits(std::string_view frameName, UnitTooltips tooltips) {
    const bool shown = tooltips == UnitTooltips::Shown;
    return unitsTypedIn(temperatureQuantity(), frameName, "Temperature Data",
                        {
                            {TemperatureUnit::Celsius, "optCelsius", "Celsiu&s",
                             shown ? "Calculate Using Celsius" : ""},
                            {TemperatureUnit::Fahrenheit, "optFahrenheit", "&Fahrenheit",
                             shown ? "Calculate Using Fahrenheit" : ""},
                            {TemperatureUnit::Kelvin, "optKelvin", "&Kelvin",
                             shown ? "Calculate Using Kelvin" : ""},
                        });
}

CalculationForm::UnitGroup airPressureUnits(std::string_view hectopascalsName) {
    return {
        .frameName = "fmeAirPressure",
        .caption = "Air Pressure Data",
        .tooltip = "Select Data Type Here",
        .inputs = inputsTypedIn(airPressureQuantity()),
        .options =
            {
                {PressureUnit::Hectopascals, hectopascalsName, "Hectopascals/ &Millibars"},
                {PressureUnit::MillimetresOfMercury, "optmmOfHg", "mm &of Hg"},
                {PressureUnit::InchesOfMercury, "optinOfHg", "i&n of Hg"},
            },
        .defaultOnEnabling = true,
    };
}

CalculationForm::UnitGroup windSpeedUnits(std::string_view frameName) {
    return unitsTypedIn(windSpeedQuantity(), frameName, "Wind Speed Data",
                        {
                            {WindSpeedUnit::KilometresPerHour, "optKmPerHour", "&Km / Hour",
                             "Calculate Using Kilometres Per Hour"},
                            {WindSpeedUnit::MetresPerSecond, "optMPerSec", "&Meters / Sec",
                             "Calculate Using Metres Per Second"},
                            {WindSpeedUnit::MilesPerHour, "optMilesPerHour", "Miles / &Hour",
                             "Calculate Using Miles Per Hour"},
                            {WindSpeedUnit::Knots, "optKnots", "Knot&s", "Calculate Using Knots"},
                        });
}

CalculationForm::UnitGroup everyWindSpeedUnit(std::string_view frameName) {
    CalculationForm::UnitGroup group = windSpeedUnits(frameName);
    group.options.insert(group.options.end() - 1,
                         {WindSpeedUnit::FeetPerSecond, "optFeetPerSec", "&Feet / Sec",
                          "Calculate Using Feet Per Second"});
    return group;
}

CalculationForm::UnitGroup elevationUnits() {
    return unitsTypedIn(lengthQuantity(), "fmeElevation", "Station Elevation",
                        {
                            {LengthUnit::Metres, "optMetres", "Me&tres", "Calculate Using Metres"},
                            {LengthUnit::Feet, "optFeet", "F&eet", "Calculate Using Feet"},
                        });
}

CalculationForm::InputRow airTemperatureRow(std::string_view labelName) {
    return {Input::AirTemperature, "Air Temperature", "txtAirTemp", labelName, "Air Temperature"};
}

CalculationForm::InputRow humidityRow(std::string_view labelName) {
    return {Input::Humidity, "Humidity", "txtHumidity", labelName, "Humidity"};
}

CalculationForm::InputRow wetBulbRow(std::string_view labelName) {
    return {Input::WetBulb, "Wet-Bulb", "txtWetBulb", labelName, "Wet-Bulb Temperature"};
}

CalculationForm::InputRow airPressureRow(std::string_view labelName) {
    return {Input::AirPressure, "Air Pressure", "txtAirPressure", labelName,
            "Air Pressure (Sea Level)"};
}

CalculationForm::InputRow stationPressureRow(std::string_view labelName) {
    return {Input::AirPressure, "Station Pressure", "txtAirPressure", labelName,
            "Station Pressure"};
}

CalculationForm::InputRow dewPointRow(std::string_view labelName) {
    return {Input::DewPoint, "Dew-Point Temperature", "txtDewPoint", labelName, "Dew-Point"};
}

CalculationForm::InputRow windSpeedRow(std::string_view labelName) {
    return {Input::WindSpeed, "Wind Speed", "txtWindSpeed", labelName, "Wind Speed"};
}

std::vector<CalculationForm::InputRow> moistureRows(std::vector<CalculationForm::InputRow> more) {
    std::vector<CalculationForm::InputRow> rows = {
        airTemperatureRow("Label1"),
        humidityRow("Label2"),
        dewPointRow("Label3"),
    };
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

std::vector<CalculationForm::MethodOption> humidityDewPointOrWetBulbMethods(Method fromHumidity,
                                                                            Method fromDewPoint,
                                                                            Method fromWetBulb) {
    return {
        {fromHumidity, "optAirTempHumidity", "Air Temperature + &Humidity"},
        {fromDewPoint, "optAirTempDew", "Air Temperature + &Dew-Point"},
        {fromWetBulb, "optAirTempWetBAirPressure", "Air Temperature, &Wet-Bulb + Air Pressure"},
    };
}

std::vector<CalculationForm::Output> temperatureOutputs(std::string_view celsiusLabel,
                                                        std::string_view fahrenheitLabel,
                                                        std::string_view kelvinLabel) {
    return {
        {"lblCelsius", "Celsius Output Number", celsiusLabel},
        {"lblFahrenheit", "Fahrenheit Output Number", fahrenheitLabel},
        {"lblKelvin", "Kelvin Output Number", kelvinLabel},
    };
}

std::vector<CalculationForm::Output> outputsInUnitOfMethod(
    const std::vector<std::string_view>& unitLabelNames) {
    // One for each output a calculation can give.
    static constexpr std::array<std::string_view, kMaxOutputs> kNames = {
        "lblOutput1", "lblOutput2", "lblOutput3", "lblOutput4"};
    std::vector<CalculationForm::Output> outputs;
    for (std::size_t i = 0; i < unitLabelNames.size(); ++i) {
        outputs.push_back({kNames.at(i), {}, unitLabelNames[i]});
    }
    return outputs;
}

bool spansCalculations(const CalculationForm& form) {
    const Calculation first = methodInfo(form.methods.front().method).calculation;
    return std::any_of(form.methods.begin(), form.methods.end(),
                       [first](const CalculationForm::MethodOption& option) {
                           return methodInfo(option.method).calculation != first;
                       });
}

CalculationForm::QuietLine rangeNoteLine() {
    return {CalculationForm::QuietLine::Says::RangeNote};
}

CalculationForm::QuietLine riskLine(std::vector<Risk> risks) {
    return {CalculationForm::QuietLine::Says::Risk, std::move(risks)};
}

}  // namespace nimbaro
