#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "calculations.h"

namespace nimbaro {

// A unit an option of a calculation window stands for.
using UnitValue = std::variant<TemperatureUnit, PressureUnit, WindSpeedUnit, LengthUnit>;

// The controls of one calculation window: names, captions and tooltips, and what each option
// and box stands for in the engine. The calculation of the chosen method computes and names
// the units of the outputs; where each control goes follows from how many there are
// (CalculationLayout). The window is the same for every calculation, and one window may offer
// the methods of several calculations.
struct CalculationForm {
    struct MethodOption {
        Method method;
        std::string_view name;
        std::string_view caption;
        std::string_view tooltip = {};
    };
    struct UnitOption {
        UnitValue unit;
        std::string_view name;
        std::string_view caption;
        std::string_view tooltip = {};
    };
    // A frame of options for the unit that some inputs are typed in.
    struct UnitGroup {
        std::string_view frameName;
        std::string_view caption;
        std::string_view tooltip;
        // The inputs typed in these units, as the engine's input rows give them. Where other
        // methods read one of them and the chosen one reads none, the options are disabled and
        // keep their selection.
        std::vector<Input> inputs;
        std::vector<UnitOption> options;  // the first is the default
        // Whether the default is selected each time a method enables the options, rather than
        // once by the load step.
        bool defaultOnEnabling = false;
    };
    // A box with its fixed caption to its left; the messages about the box name it
    // `messageName`.
    struct InputRow {
        Input input;
        std::string_view messageName;
        std::string_view boxName;
        std::string_view labelName;
        std::string_view caption;
        std::string_view tooltip = {};
    };
    // An output label; the label to its right names its unit, the engine's unit of the output
    // in its place among the outputs of the chosen method's calculation. A row the chosen
    // method gives no output for stays empty. On a form whose methods belong to several
    // calculations the tooltip is "<unit> Output Number" for the chosen method's unit.
    struct Output {
        std::string_view name;
        std::string_view tooltip;
        std::string_view unitLabelName;
    };
    // A frame or a fixed label: its object name and caption.
    struct Captioned {
        std::string_view name;
        std::string_view caption;
    };
    // A quiet line that says something of a result and goes with the outputs.
    struct QuietLine {
        enum class Says {
            RangeNote,  // the note of the chosen method, if any: beside Back and Exit
            Risk,       // what the result means for people outside: on a row under them
        };
        Says says;
        std::vector<Risk> risks = {};  // every category a risk line can show
    };
    struct CommandTooltips {
        std::string_view calculate;
        std::string_view reset;
        std::string_view output;
    };
    enum class ResultCheck {
        AfterEveryClick,  // "Invalid Numbers Used" when the first output holds no number
        None,
    };

    std::string_view windowName;
    std::string_view title;
    ResultCheck resultCheck = ResultCheck::AfterEveryClick;
    Captioned methodFrame;
    std::vector<MethodOption> methods;  // the load step selects the first
    // The label under the methods saying which pressure to use where none is at hand; none
    // where the name is empty.
    std::string_view pressureNote = {};
    std::vector<UnitGroup> unitGroups;  // left to right
    std::vector<InputRow> inputs;       // down the left, in tab order
    Captioned outputHeading = {};       // a caption above the outputs, where it has a name
    // One per output of the calculation, in its order; as many as the most any method gives.
    std::vector<Output> outputs;
    // The row of the output column that holds the Output button; where unset, the row under
    // the outputs. The outputs fill the other rows from the top.
    std::optional<int> outputButtonRow = std::nullopt;
    CommandTooltips commandTooltips = {};
    // Every window gives its methods' notes unless its form lists other lines.
    std::vector<QuietLine> quietLines = {{QuietLine::Says::RangeNote}};
};

// "Temperature Data" with Celsius, Fahrenheit and Kelvin, for every temperature typed, each
// option with the tooltip "Calculate Using <unit>" unless told otherwise.
enum class UnitTooltips { Shown, None };
CalculationForm::UnitGroup temperatureUnits(std::string_view frameName,
                                            UnitTooltips tooltips = UnitTooltips::Shown);
// "Air Pressure Data" (fmeAirPressure) with hectopascals, mm and inches of mercury; a method
// that reads the pressure selects hectopascals.
CalculationForm::UnitGroup airPressureUnits(std::string_view hectopascalsName);

// "Wind Speed Data" with kilometres per hour, metres per second, miles per hour and knots, for
// the wind speed, each option with the tooltip "Calculate Using <unit>".
CalculationForm::UnitGroup windSpeedUnits(std::string_view frameName);
// The same with feet per second too, before knots: every wind speed unit the engine reads.
CalculationForm::UnitGroup everyWindSpeedUnit(std::string_view frameName);
// "Station Elevation" (fmeElevation) with metres and feet, for the station's elevation.
CalculationForm::UnitGroup elevationUnits();

// The rows of the inputs most windows read, with the caption's label named `labelName`.
CalculationForm::InputRow airTemperatureRow(std::string_view labelName);
CalculationForm::InputRow humidityRow(std::string_view labelName);
CalculationForm::InputRow wetBulbRow(std::string_view labelName);
CalculationForm::InputRow airPressureRow(std::string_view labelName);
// The pressure at the station, in the box of the air pressure, which the station calculations
// work from.
CalculationForm::InputRow stationPressureRow(std::string_view labelName);
CalculationForm::InputRow dewPointRow(std::string_view labelName);
CalculationForm::InputRow windSpeedRow(std::string_view labelName);
// The air temperature, humidity and dew point (Label1 to Label3), then `more`: the rows of the
// windows whose methods take the moisture of the air either as humidity or as dew point.
std::vector<CalculationForm::InputRow> moistureRows(
    std::vector<CalculationForm::InputRow> more = {});

// "Air Temperature + Humidity", "+ Dew-Point" and ", Wet-Bulb + Air Pressure" options for the
// methods of a calculation that works from any of the three.
std::vector<CalculationForm::MethodOption> humidityDewPointOrWetBulbMethods(Method fromHumidity,
                                                                            Method fromDewPoint,
                                                                            Method fromWetBulb);

// lblCelsius, lblFahrenheit and lblKelvin, with the unit labels of these names.
std::vector<CalculationForm::Output> temperatureOutputs(std::string_view celsiusLabel,
                                                        std::string_view fahrenheitLabel,
                                                        std::string_view kelvinLabel);

// lblOutput1, lblOutput2 and so on, one for each output a calculation can give, beside the unit
// labels of these names: the outputs of a window whose methods give their outputs in different
// units, the tooltip naming the unit of the chosen one.
std::vector<CalculationForm::Output> outputsInUnitOfMethod(
    const std::vector<std::string_view>& unitLabelNames);

// Whether the form's methods belong to more than one calculation.
bool spansCalculations(const CalculationForm& form);

// The note on a result outside its formula's range, beside Back and Exit.
CalculationForm::QuietLine rangeNoteLine();
// What a result means for people outside, on a row of its own under Back and Exit, sized for
// every category in `risks`.
CalculationForm::QuietLine riskLine(std::vector<Risk> risks);

// The form of every calculation window, one per window.
std::span<const CalculationForm* const> calculationForms();
// The heat index window's form among them.
const CalculationForm& heatIndexForm();

}  // namespace nimbaro
