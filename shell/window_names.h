#pragma once

#include <string_view>

// The name of every window, as the registry opens it and as its object name reads.
namespace nimbaro::window_names {

inline constexpr std::string_view kHome = "frmHome";
inline constexpr std::string_view kAbout = "frmAbout";

inline constexpr std::string_view kTemperature = "frmTemperature";
inline constexpr std::string_view kRainfall = "frmRainfallConversions";
inline constexpr std::string_view kAirPressure = "frmAirPressureConversions";
inline constexpr std::string_view kWindSpeed = "frmWindSpeedConversions";
inline constexpr std::string_view kWindDirection = "frmWindDirection";
inline constexpr std::string_view kLength = "frmLengthConversions";
inline constexpr std::string_view kArea = "frmAreaConversions";
inline constexpr std::string_view kVolume = "frmVolumeConversions";
inline constexpr std::string_view kTime = "frmTimeConversions";
inline constexpr std::string_view kMass = "frmMassConversions";

inline constexpr std::string_view kWindChill = "frmWindChillCalculations";
inline constexpr std::string_view kCloudHeight = "frmCloudHeight";
inline constexpr std::string_view kLightningDistance = "frmLightningDistance";
inline constexpr std::string_view kHeatIndex = "frmHeatIndex";
inline constexpr std::string_view kDewPoint = "frmDewPoint";
inline constexpr std::string_view kWetBulb = "frmWetBulb";
inline constexpr std::string_view kHumidity = "frmHumidity";

inline constexpr std::string_view kPressureAltitude = "frmPressureAltitude";
inline constexpr std::string_view kVapourPressure = "frmVapourPressure";
inline constexpr std::string_view kMoistureContent = "frmMoistureContent";
inline constexpr std::string_view kComfort = "frmComfort";
inline constexpr std::string_view kAirDensity = "frmAirDensity";
inline constexpr std::string_view kBeaufort = "frmBeaufort";

}  // namespace nimbaro::window_names
