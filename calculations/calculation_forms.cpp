#include "calculation_forms.h"

#include <algorithm>
#include <array>
#include <utility>

namespace nimbaro {

CalculationForm::UnitGroup temperatureUnits(std::string_view frameName, UnitTooltips tooltips) {
    const bool shown = tooltips == UnitTooltips::Shown;
    return {
        .frameName = frameName,
        .caption = "Temperature Data",
        .tooltip = {},
        .inputs = inputsTypedIn(temperatureQuantity()),
        .options =
            {
                {TemperatureUnit::Celsius, "optCelsius", "Celsiu&s",
                 shown ? "Calculate Using Celsius" : ""},
                {TemperatureUnit::Fahrenheit, "optFahrenheit", "&Fahrenheit",
                 shown ? "Calculate Using Fahrenheit" : ""},
                {TemperatureUnit::Kelvin, "optKelvin", "&Kelvin",
                 shown ? "Calculate Using Kelvin" : ""},
            },
    };
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
    return {
        .frameName = frameName,
        .caption = "Wind Speed Data",
        .tooltip = {},
        .inputs = inputsTypedIn(windSpeedQuantity()),
        .options =
            {
                {WindSpeedUnit::KilometresPerHour, "optKmPerHour", "&Km / Hour",
                 "Calculate Using Kilometres Per Hour"},
                {WindSpeedUnit::MetresPerSecond, "optMPerSec", "&Meters / Sec",
                 "Calculate Using Metres Per Second"},
                {WindSpeedUnit::MilesPerHour, "optMilesPerHour", "Miles / &Hour",
                 "Calculate Using Miles Per Hour"},
                {WindSpeedUnit::Knots, "optKnots", "Knot&s", "Calculate Using Knots"},
            },
    };
}

CalculationForm::UnitGroup everyWindSpeedUnit(std::string_view frameName) {
    CalculationForm::UnitGroup group = windSpeedUnits(frameName);
    group.options.insert(group.options.end() - 1,
                         {WindSpeedUnit::FeetPerSecond, "optFeetPerSec", "&Feet / Sec",
                          "Calculate Using Feet Per Second"});
    return group;
}

CalculationForm::UnitGroup elevationUnits() {
    return {
        .frameName = "fmeElevation",
        .caption = "Station Elevation",
        .tooltip = {},
        .inputs = inputsTypedIn(lengthQuantity()),
        .options =
            {
                {LengthUnit::Metres, "optMetres", "Me&tres", "Calculate Using Metres"},
                {LengthUnit::Feet, "optFeet", "F&eet", "Calculate Using Feet"},
            },
    };
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

std::vector<CalculationForm::Output> temperatureOutputs(std::string_view celsiusLabel,
                                                        std::string_view fahrenheitLabel,
                                                        std::string_view kelvinLabel) {
    return {
        {"lblCelsius", "Celsius Output Number", celsiusLabel},
        {"lblFahrenheit", "Fahrenheit Output Number", fahrenheitLabel},
        {"lblKelvin", "Kelvin Output Number", kelvinLabel},
    };
}

CalculationForm::Output outputInUnitOfMethod(std::string_view name,
                                             std::string_view unitLabelName) {
    return {name, {}, unitLabelName};
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

std::span<const CalculationForm* const> calculationForms() {
    static const std::array forms = {
        &humidityForm(),          &dewPointForm(),         &wetBulbForm(),
        &heatIndexForm(),         &cloudHeightForm(),      &windChillForm(),
        &lightningDistanceForm(), &pressureAltitudeForm(), &vapourPressureForm(),
        &moistureContentForm(),   &comfortForm(),          &airDensityForm(),
        &beaufortForm()};
    return forms;
}

}  // namespace nimbaro
