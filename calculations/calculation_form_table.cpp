#include <algorithm>
#include <array>

#include "calculation_forms.h"
#include "window_names.h"

namespace nimbaro {

std::span<const CalculationForm* const> calculationForms() {
    static const CalculationForm forms[]{
        {
            .windowName = window_names::kHumidity,
            .title = "Humidity",
            .methodFrame = {"fmeFormula", "Calculate Using:"},
            .methods =
                {
                    {Method::HumidityFromDewPoint, "optAirTempDewPoint",
                     "Air Temperature + &Dew-Point*"},
                    {Method::HumidityFromWetBulb, "optAirTempWetBulbAirPressure",
                     "Air Temperature, &Wet-Bulb + Air Pressure*"},
                },
            .pressureNote = "Label8",
            .unitGroups = {temperatureUnits("fmeTemperature"), airPressureUnits("optHpaMb")},
            .inputs =
                {
                    airTemperatureRow("Label1"),
                    {Input::DewPoint, "Dew Point", "txtDewPoint", "Label2",
                     "Dew-Point Temperature"},
                    wetBulbRow("Label3"),
                    airPressureRow("Label4"),
                },
            .outputHeading = {"Label12", "Relative Humidity"},
            .outputs = {{"lblHumidity", "Relative Humidity Output Number", "Label7"}},
            .outputButtonRow = 3,
        },
        {
            .windowName = window_names::kDewPoint,
            .title = "Dew Point Temperature",
            .methodFrame = {"fmeFormula", "Calculate Using:"},
            .methods =
                {
                    {Method::DewPointFromHumidity, "optAirTempHumidity",
                     "Air Temperature + &Humidity"},
                    {Method::DewPointFromWetBulb, "optAirTempWetBulbAirPressure",
                     "Air Temperature, &Wet-Bulb + Air Pressure*"},
                },
            .pressureNote = "Label8",
            .unitGroups = {temperatureUnits("fmeTemperature"),
                           airPressureUnits("optHectopascalsMillibars")},
            .inputs =
                {
                    airTemperatureRow("Label1"),
                    humidityRow("Label2"),
                    wetBulbRow("Label3"),
                    airPressureRow("Label4"),
                },
            .outputs = temperatureOutputs("Label6", "Label7", "Label5"),
        },
        {
            .windowName = window_names::kWetBulb,
            .title = "Wet Bulb Temperature",
            .methodFrame = {"Frame1", "Calculate Using:"},
            .methods =
                {
                    {Method::WetBulbFromHumidity, "optAirTempHumidity",
                     "Air Temperature + &Humidity"},
                    {Method::WetBulbFromDewPoint, "optAirTempDewPoint",
                     "Air Temperature + &Dew Point"},
                },
            .pressureNote = "Label4",
            .unitGroups = {temperatureUnits("fmeTemperature"),
                           airPressureUnits("optHectopascalsMillibars")},
            .inputs =
                {
                    airTemperatureRow("Label1"),
                    humidityRow("Label2"),
                    {Input::DewPoint, "Dew Point", "txtDewPoint", "Label3", "Dew Point"},
                    airPressureRow("Label8"),
                },
            .outputs = temperatureOutputs("Label6", "Label7", "Label5"),
        },
        {
            .windowName = window_names::kHeatIndex,
            .title = "Heat Index",
            .methodFrame = {"fmeFormula", "Calculate Using:"},
            .methods = humidityDewPointOrWetBulbMethods(Method::HeatIndexFromHumidity,
                                                        Method::HeatIndexFromDewPoint,
                                                        Method::HeatIndexFromWetBulb),
            .pressureNote = "Label8",
            .unitGroups = {temperatureUnits("fmeTemperature"), airPressureUnits("optHpaMb")},
            .inputs =
                {
                    airTemperatureRow("Label9"),
                    humidityRow("Label2"),
                    dewPointRow("Label11"),
                    wetBulbRow("Label1"),
                    airPressureRow("Label4"),
                },
            .outputs = temperatureOutputs("Label6", "Label7", "Label5"),
            .quietLines = {rangeNoteLine(), riskLine({Risk::Caution, Risk::ExtremeCaution,
                                                      Risk::Danger, Risk::ExtremeDanger})},
        },
        {
            .windowName = window_names::kCloudHeight,
            .title = "Cloud Base Height of Convective Cumulus",
            .methodFrame = {"fmeFormula", "Calculate Using:"},
            .methods = humidityDewPointOrWetBulbMethods(Method::CloudHeightFromHumidity,
                                                        Method::CloudHeightFromDewPoint,
                                                        Method::CloudHeightFromWetBulb),
            .pressureNote = "Label3",
            .unitGroups = {temperatureUnits("Frame1", UnitTooltips::None),
                           airPressureUnits("optHpaMb")},
            .inputs =
                {
                    airTemperatureRow("Label1"),
                    humidityRow("Label8"),
                    dewPointRow("Label11"),
                    wetBulbRow("Label7"),
                    airPressureRow("Label4"),
                },
            .outputs =
                {
                    {"lblMetres", "Metres Output Number", "Label5"},
                    {"lblFeet", "Feet Output Number", "Label6"},
                },
            .outputButtonRow = 0,
        },
        {
            .windowName = window_names::kWindChill,
            .title = "Wind Chill Calculations",
            .resultCheck = CalculationForm::ResultCheck::None,
            .methodFrame = {"frmFormula", "Select Formula"},
            .methods =
                {
                    {Method::NewWindChill, "optNewFormula", "&New Formula*",
                     "Calculate Using New Formula"},
                    {Method::OldWindChill, "optOldFormula", "&Old Formula*",
                     "Calculate Using Old Formula"},
                },
            .unitGroups = {temperatureUnits("frmTemperature"), windSpeedUnits("frmWindSpeed")},
            .inputs =
                {
                    {Input::AirTemperature, "Temperature", "txtInTemp", "Label8", "Air Temperature",
                     "Insert a Number Here"},
                    {Input::WindSpeed, "Wind Speed", "txtInWind", "Label9", "Wind Speed",
                     "Insert a Number Here"},
                },
            .outputs = temperatureOutputs("Label6", "Label2", "Label5"),
            .commandTooltips = {"Calculate Number", "Clear All Numbers", "Clear All Numbers"},
            .quietLines = {rangeNoteLine(),
                           riskLine({Risk::LowRisk, Risk::ModerateRisk, Risk::HighRisk,
                                     Risk::VeryHighRisk, Risk::SevereRisk, Risk::ExtremeRisk})},
        },
        {
            .windowName = window_names::kLightningDistance,
            .title = "Lightning Distance",
            .methodFrame = {"fmeFormula", "Calculate Using:"},
            .methods =
                {
                    {Method::LightningDistance, "optNoCorrection", "&No Correction"},
                    {Method::CorrectedLightningDistance, "optAirTempCorrection",
                     "&Air Temperature Correction"},
                },
            .unitGroups = {temperatureUnits("fmeTemperature")},
            .inputs =
                {
                    {Input::Time, "Time", "txtTime", "Label2", "Time (Seconds)"},
                    airTemperatureRow("Label1"),
                },
            .outputs =
                {
                    {"lblMetres", "Metres Output Number", "Label3"},
                    {"lblKilometres", "Kilometres Output Number", "Label14"},
                    {"lblFeet", {}, "Label5"},
                    {"lblMiles", {}, "Label6"},
                },
        },
        {
            .windowName = window_names::kPressureAltitude,
            .title = "Pressure and Altitude",
            .resultCheck = CalculationForm::ResultCheck::None,
            .methodFrame = {"fmeFormula", "Calculation:"},
            .methods =
                {
                    {Method::SeaLevelPressure, "optSeaLevelPressure", "Sea-&Level Pressure"},
                    {Method::AltimeterSetting, "optAltimeterSetting", "Altimeter Settin&g"},
                    {Method::PressureAltitude, "optPressureAltitude", "&Pressure Altitude"},
                    {Method::DensityAltitudeOfDryAir, "optDensityAltitudeDryAir",
                     "&Density Altitude (Dry Air)"},
                    {Method::DensityAltitudeFromDewPoint, "optDensityAltitudeDewPoint",
                     "Density Altitude + De&w-Point"},
                    {Method::DensityAltitudeFromHumidity, "optDensityAltitudeHumidity",
                     "Density Altitude + &Humidity"},
                },
            .unitGroups = {temperatureUnits("fmeTemperature"), airPressureUnits("optHpaMb"),
                           elevationUnits()},
            .inputs =
                {
                    stationPressureRow("Label1"),
                    {Input::Elevation, "Elevation", "txtElevation", "Label2", "Elevation"},
                    airTemperatureRow("Label3"),
                    dewPointRow("Label4"),
                    humidityRow("Label5"),
                },
            .outputs = outputsInUnitOfMethod({"Label6", "Label7"}),
        },
        {
            .windowName = window_names::kVapourPressure,
            .title = "Vapour Pressure",
            .resultCheck = CalculationForm::ResultCheck::None,
            .methodFrame = {"fmeFormula", "Calculation:"},
            .methods =
                {
                    {Method::VapourPressureFromHumidity, "optVapourPressureHumidity",
                     "&Vapour Pressure + Humidity"},
                    {Method::VapourPressureFromDewPoint, "optVapourPressureDewPoint",
                     "Vapour Pressure + &Dew-Point"},
                    {Method::SaturationVapourPressure, "optSaturationOverWater",
                     "Saturation over &Water"},
                    {Method::SaturationVapourPressureOverIce, "optSaturationOverIce",
                     "Saturation over &Ice (WMO)"},
                    {Method::FrostPointFromHumidity, "optFrostPointHumidity",
                     "Frost &Point + Humidity"},
                    {Method::FrostPointFromDewPoint, "optFrostPointDewPoint",
                     "Frost Point + Dew-Poin&t"},
                },
            .unitGroups = {temperatureUnits("fmeTemperature")},
            .inputs = moistureRows(),
            .outputs = outputsInUnitOfMethod({"Label4", "Label5", "Label6"}),
        },
        {
            .windowName = window_names::kMoistureContent,
            .title = "Moisture Content",
            .resultCheck = CalculationForm::ResultCheck::None,
            .methodFrame = {"fmeFormula", "Calculation:"},
            .methods =
                {
                    {Method::MixingRatioFromHumidity, "optMixingRatioHumidity",
                     "Mixin&g Ratio + Humidity"},
                    {Method::MixingRatioFromDewPoint, "optMixingRatioDewPoint",
                     "Mixing Ratio + &Dew-Point"},
                    {Method::SpecificHumidityFromHumidity, "optSpecificHumidityHumidity",
                     "S&pecific Humidity + Humidity"},
                    {Method::SpecificHumidityFromDewPoint, "optSpecificHumidityDewPoint",
                     "Specific Humidity + D&ew-Point"},
                    {Method::AbsoluteHumidityFromHumidity, "optAbsoluteHumidityHumidity",
                     "A&bsolute Humidity + Humidity"},
                    {Method::AbsoluteHumidityFromDewPoint, "optAbsoluteHumidityDewPoint",
                     "Absolute Humidity + Dew-Poin&t"},
                },
            .unitGroups = {temperatureUnits("fmeTemperature"), airPressureUnits("optHpaMb")},
            .inputs = moistureRows({stationPressureRow("Label4")}),
            .outputs = outputsInUnitOfMethod({"Label5"}),
        },
        {
            .windowName = window_names::kComfort,
            .title = "Comfort",
            .resultCheck = CalculationForm::ResultCheck::None,
            .methodFrame = {"fmeFormula", "Calculation:"},
            .methods =
                {
                    {Method::Humidex, "optHumidex", "Humi&dex"},
                    {Method::ApparentTemperatureFromHumidity, "optApparentHumidity",
                     "A&pparent Temperature + Humidity"},
                    {Method::ApparentTemperatureFromDewPoint, "optApparentDewPoint",
                     "Apparent &Temperature + Dew-Point"},
                    {Method::IndoorApparentTemperatureFromHumidity, "optApparentNoWindHumidity",
                     "Apparent, No &Wind + Humidity"},
                    {Method::IndoorApparentTemperatureFromDewPoint, "optApparentNoWindDewPoint",
                     "Apparent, No Wind + D&ew-Point"},
                    {Method::FeelsLike, "optFeelsLike", "Feels-&Like"},
                },
            .unitGroups = {temperatureUnits("fmeTemperature"), windSpeedUnits("fmeWindSpeed")},
            .inputs = moistureRows({windSpeedRow("Label4")}),
            .outputs = outputsInUnitOfMethod({"Label5", "Label6", "Label7"}),
            .quietLines = {rangeNoteLine(),
                           riskLine({Risk::LittleDiscomfort, Risk::SomeDiscomfort,
                                     Risk::GreatDiscomfort, Risk::DangerousHumidex})},
        },
        {
            .windowName = window_names::kAirDensity,
            .title = "Potential Temperature and Air Density",
            .resultCheck = CalculationForm::ResultCheck::None,
            .methodFrame = {"fmeFormula", "Calculation:"},
            .methods =
                {
                    {Method::VirtualTemperatureFromHumidity, "optVirtualHumidity",
                     "&Virtual Temperature + Humidity"},
                    {Method::VirtualTemperatureFromDewPoint, "optVirtualDewPoint",
                     "Virtual Temperature + &Dew-Point"},
                    {Method::PotentialTemperature, "optPotential", "&Potential Temperature"},
                    {Method::EquivalentPotentialTemperature, "optEquivalentPotential",
                     "&Equivalent Potential Temperature"},
                    {Method::AirDensityOfDryAir, "optAirDensityDryAir", "Air Densi&ty (Dry Air)"},
                    {Method::AirDensityFromDewPoint, "optAirDensityDewPoint",
                     "Air Density + De&w-Point"},
                    {Method::AirDensityFromHumidity, "optAirDensityHumidity",
                     "Air Density + &Humidity"},
                },
            .unitGroups = {temperatureUnits("fmeTemperature"), airPressureUnits("optHpaMb")},
            .inputs = moistureRows({stationPressureRow("Label4")}),
            .outputs = outputsInUnitOfMethod({"Label5", "Label6", "Label7"}),
        },
        {
            .windowName = window_names::kBeaufort,
            .title = "Beaufort Force",
            .resultCheck = CalculationForm::ResultCheck::None,
            .methodFrame = {"fmeFormula", "Calculate Using:"},
            .methods = {{Method::Beaufort, "optWindSpeed", "&Wind Speed"}},
            .unitGroups = {everyWindSpeedUnit("fmeWindSpeed")},
            .inputs = {windSpeedRow("Label1")},
            .outputs = {{"lblForce", "Beaufort Force Output Number", "Label2"}},
            .quietLines = {rangeNoteLine(),
                           riskLine({Risk::Calm, Risk::LightAir, Risk::LightBreeze,
                                     Risk::GentleBreeze, Risk::ModerateBreeze, Risk::FreshBreeze,
                                     Risk::StrongBreeze, Risk::NearGale, Risk::Gale,
                                     Risk::StrongGale, Risk::Storm, Risk::ViolentStorm,
                                     Risk::HurricaneForce})},
        },
    };
    static const auto pointers = [] {
        std::array<const CalculationForm*, std::size(forms)> made{};
        std::ranges::transform(forms, made.begin(),
                               [](const CalculationForm& form) { return &form; });
        return made;
    }();
    return pointers;
}

const CalculationForm& heatIndexForm() {
    return **std::ranges::find(calculationForms(), window_names::kHeatIndex,
                               &CalculationForm::windowName);
}

}  // namespace nimbaro
