// Each method's arithmetic in a line for a person, as a function's documentation shows it.
// Plain ASCII: products by juxtaposition or "*", powers by "^". T is the air temperature, Td
// the dew point, Tw the wet bulb, RH the relative humidity, P the air pressure.
#include "calculations.h"

namespace nimbaro {

std::string_view formulaText(Method method) {
    switch (method) {
        case Method::HumidityFromDewPoint:
            return "RH = E(Td) / E(T) * 100, where E(t) = 6.11 * 10^(7.5 t / (t + 237.7)); T and "
                   "Td in C";
        case Method::HumidityFromWetBulb:
            return "Ew = exp(17.27 Tw / (Tw + 237.3) + 1.8096), e = Ew - P (T - Tw) 0.0007866 "
                   "(Tw / 610 + 1), L = ln e, Td = (237.3 L - 429.42) / (19.079 - L), RH = E(Td) "
                   "/ E(T) * 100, where E(t) = 6.11 * 10^(7.5 t / (t + 237.7)); temperatures in "
                   "C, P in hPa";
        case Method::DewPointFromHumidity:
            return "E = 6.11 * 10^(7.5 T / (T + 237.7)), e = RH E / 100, L = ln e, Td = (237.7 L "
                   "- 430.22) / (19.08 - L); T and Td in C, RH in %";
        case Method::DewPointFromWetBulb:
            return "Ew = exp(17.27 Tw / (Tw + 237.3) + 1.8096), e = Ew - P (T - Tw) 0.0007866 "
                   "(Tw / 610 + 1), L = ln e, Td = (237.3 L - 429.42) / (19.079 - L); "
                   "temperatures in C, P in hPa";
        case Method::WetBulbFromHumidity:
            return "e = RH E(T) / 100, L = ln e, Td = (237.7 L - 430.22) / (19.08 - L), then Tw "
                   "= (g T + D Td) / (g + D) with g = 0.00066 P and D = 4098 e / (Td + 237.7)^2, "
                   "where E(t) = 6.11 * 10^(7.5 t / (t + 237.7)); temperatures in C, P in hPa";
        case Method::WetBulbFromDewPoint:
            return "e = E(Td), Tw = (g T + D Td) / (g + D) with g = 0.00066 P and D = 4098 e / "
                   "(Td + 237.7)^2, where E(t) = 6.11 * 10^(7.5 t / (t + 237.7)); temperatures "
                   "in C, P in hPa";
        case Method::HeatIndexFromHumidity:
            return "HI = 16.923 + 0.185212 T + 5.37941 RH - 0.100254 T RH + 0.00941695 T^2 + "
                   "0.00728898 RH^2 + 0.000345372 T^2 RH - 0.000814971 T RH^2 + 0.0000102102 T^2 "
                   "RH^2 - 0.000038646 T^3 + 0.0000291583 RH^3 + 1.42721e-6 T^3 RH + 1.97483e-7 "
                   "T RH^3 - 2.18429e-8 T^3 RH^2 + 8.43296e-10 T^2 RH^3 - 4.81975e-11 T^3 RH^3, "
                   "at every temperature; T and HI in F, RH in %";
        case Method::HeatIndexFromDewPoint:
            return "the heat index regression of the humidity method, with RH = E(Td) / E(T) * "
                   "100, where E(t) = 6.11 * 10^(7.5 t / (t + 237.7)) in C";
        case Method::HeatIndexFromWetBulb:
            return "the heat index regression of the humidity method, with RH = E(Td) / E(T) * "
                   "100, where E(t) = 6.11 * 10^(7.5 t / (t + 237.7)), and Td from the wet bulb: "
                   "Ew = exp(17.27 Tw / (Tw + 237.3) + 1.8096), e = Ew - P (Tw / 610 + 1) (T - "
                   "Tw) 0.0007866, L = ln e, Td = (237.3 L - 429.42) / (19.079 - L); "
                   "temperatures in C, P in hPa";
        case Method::CloudHeightFromHumidity:
            return "H = (T - Td) 125 m, or (T - Td) 125 / 0.3048 ft, with e = RH E(T) / 100, L = "
                   "ln e, Td = (237.7 L - 430.22) / (19.08 - L), where E(t) = 6.11 * 10^(7.5 t / "
                   "(t + 237.7)); Td taken into the unit T is given in and back; T and Td in C";
        case Method::CloudHeightFromDewPoint:
            return "H = (T - Td) 125 m, or (T - Td) 125 / 0.3048 ft; T and Td in C";
        case Method::CloudHeightFromWetBulb:
            return "H = (T - Td) 125 m, or (T - Td) 125 / 0.3048 ft, with Ew = exp(17.27 Tw / "
                   "(Tw + 237.3) + 1.8096), e = Ew - P (Tw / 610 + 1) (T - Tw) 0.0007866, L = ln "
                   "e, Td = (237.3 L - 429.42) / (19.079 - L); Td taken into the unit T is given "
                   "in and back; temperatures in C, P in hPa";
        case Method::NewWindChill:
            return "WC = 35.74 + 0.6215 T - 35.75 V^0.16 + 0.4275 T V^0.16; T and WC in F, V in "
                   "mph";
        case Method::OldWindChill:
            return "WC = R - (R - T) (0.453843 sqrt(V) + 0.464255 - 0.0453843 V), R = 33 C in the "
                   "unit T is given in, V in m/s";
        case Method::LightningDistance:
            return "d = 331 s metres, s the seconds from the flash to the thunder";
        case Method::CorrectedLightningDistance:
            return "d = (331 + 0.6 T) s metres, s the seconds from the flash to the thunder, T "
                   "in C";
        case Method::HumidityFromWetBulbPsychrometric:
            return "e = Es(Tw) - A P (T - Tw), RH = e / Es(T) * 100";
        case Method::HumidityFromWetBulbThermodynamic:
            return "e the vapour pressure whose thermodynamic wet bulb at P is Tw, RH = e / Es(T) "
                   "* 100";
        case Method::DewPointFromWetBulbPsychrometric:
            return "e = Es(Tw) - A P (T - Tw), Td the root of Es(Td) = e";
        case Method::DewPointFromWetBulbThermodynamic:
            return "e the vapour pressure whose thermodynamic wet bulb at P is Tw, Td the root of "
                   "Es(Td) = e";
        case Method::WetBulbFromHumidityPsychrometric:
            return "e = RH Es(T) / 100, Tw the root of Es(Tw) - A P (T - Tw) = e";
        case Method::WetBulbFromDewPointPsychrometric:
            return "e = Es(Td), Tw the root of Es(Tw) - A P (T - Tw) = e";
        case Method::WetBulbFromHumidityThermodynamic:
            return "e = RH Es(T) / 100, Tw the thermodynamic wet bulb of e at P";
        case Method::WetBulbFromDewPointThermodynamic:
            return "e = Es(Td), Tw the thermodynamic wet bulb of e at P";
        case Method::HeatIndexFromHumidityNws:
            return "HI = 0.5 (T + 61 + 1.2 (T - 68) + 0.094 RH); where (HI + T) / 2 >= 80, HI = "
                   "-42.379 + 2.04901523 T + 10.14333127 RH - 0.22475541 T RH - 0.00683783 T^2 - "
                   "0.05481717 RH^2 + 0.00122874 T^2 RH + 0.00085282 T RH^2 - 0.00000199 T^2 "
                   "RH^2, less (13 - RH) / 4 sqrt((17 - |T - 95|) / 17) for RH < 13 and 80 <= T "
                   "<= 112, plus (RH - 85) / 10 (87 - T) / 5 for RH > 85 and 80 <= T <= 87; T "
                   "and HI in F, RH in %";
        case Method::HeatIndexFromDewPointNws:
            return "the NWS heat index of RH = E(Td) / E(T) * 100, where E(t) = 6.11 * 10^(7.5 t "
                   "/ (t + 237.7)) in C";
        case Method::HeatIndexFromWetBulbNws:
            return "the NWS heat index of the humidity the wet bulb gives by the humidity "
                   "window's formula";
        case Method::HeatIndexFromWetBulbPsychrometric:
            return "the window's heat index regression of RH = e / Es(T) * 100, e = Es(Tw) - A P "
                   "(T - Tw)";
        case Method::HeatIndexFromWetBulbNwsPsychrometric:
            return "the NWS heat index of RH = e / Es(T) * 100, e = Es(Tw) - A P (T - Tw)";
        case Method::HeatIndexFromWetBulbThermodynamic:
            return "the window's heat index regression of RH = e / Es(T) * 100, e the vapour "
                   "pressure whose thermodynamic wet bulb at P is Tw";
        case Method::HeatIndexFromWetBulbNwsThermodynamic:
            return "the NWS heat index of RH = e / Es(T) * 100, e the vapour pressure whose "
                   "thermodynamic wet bulb at P is Tw";
        case Method::CloudHeightFromWetBulbPsychrometric:
            return "H = (T - Td) 125 m, or (T - Td) 125 / 0.3048 ft, Td the root of Es(Td) = e, e "
                   "= Es(Tw) - A P (T - Tw)";
        case Method::CloudHeightFromWetBulbThermodynamic:
            return "H = (T - Td) 125 m, or (T - Td) 125 / 0.3048 ft, Td the root of Es(Td) = e, e "
                   "the vapour pressure whose thermodynamic wet bulb at P is Tw";
        case Method::SeaLevelPressure:
            return "p0 = P exp(g h / (Rd Tm)), Tm = T + 273.15 + 0.0065 h / 2, g = 9.80665 m/s^2, "
                   "Rd = 287.05 J/(kg K): the hypsometric equation over a column with the standard "
                   "lapse rate 0.0065 K/m; P and p0 in hPa, h in m, T in C";
        case Method::AltimeterSetting:
            return "A = (P - 0.3) (1 + (1013.25^n 0.0065 / 288) h / (P - 0.3)^n)^(1 / n), n = "
                   "0.190284; P and A in hPa, h in m";
        case Method::PressureAltitude:
            return "PA = 145366.45 (1 - (P / 1013.25)^0.190284) ft; P in hPa";
        case Method::DensityAltitudeOfDryAir:
            return "DA = 145366 (1 - (17.326 Pi / Tr)^0.235) ft, Pi = P / 33.8639 inHg, Tr the air "
                   "temperature in degrees Rankine (F + 459.69); P in hPa";
        case Method::DensityAltitudeFromDewPoint:
            return "DA = 145366 (1 - (17.326 Pi / Tr)^0.235) ft, Pi = P / 33.8639 inHg, Tr the "
                   "virtual temperature Tv = (T + 273.15) / (1 - e / P (1 - 0.622)) in degrees "
                   "Rankine, e = 6.11 * 10^(7.5 Td / (237.7 + Td)); P and e in hPa, T and Td in C";
        case Method::DensityAltitudeFromHumidity:
            return "the density altitude of the dew point method, with Td = (237.7 L - 430.22) / "
                   "(19.08 - L), L = ln(RH E(T) / 100), where E(t) = 6.11 * 10^(7.5 t / (t + "
                   "237.7)); T and Td in C, RH in %";
        case Method::VapourPressureFromHumidity:
            return "e = RH / 100 ew(T), ew(t) = 6.112 exp(17.62 t / (243.12 + t)); e in hPa, T in "
                   "C, RH in %";
        case Method::VapourPressureFromDewPoint:
            return "e = ew(Td), ew(t) = 6.112 exp(17.62 t / (243.12 + t)); e in hPa, Td in C";
        case Method::SaturationVapourPressure:
            return "es = ew(T), ew(t) = 6.112 exp(17.62 t / (243.12 + t)); es in hPa, T in C";
        case Method::SaturationVapourPressureOverIce:
            return "es = ei(T) = 6.112 exp(22.46 T / (272.62 + T)) below 0 C, ew(T) = 6.112 "
                   "exp(17.62 T / (243.12 + T)) from 0 C; es in hPa, T in C";
        case Method::MixingRatioFromHumidity:
            return "r = 1000 0.62198 e / (P - e) g/kg, e = RH / 100 ew(T), ew(t) = 6.112 exp(17.62 "
                   "t / (243.12 + t)); e and P in hPa, T in C";
        case Method::MixingRatioFromDewPoint:
            return "r = 1000 0.62198 e / (P - e) g/kg, e = ew(Td), ew(t) = 6.112 exp(17.62 t / "
                   "(243.12 + t)); e and P in hPa, Td in C";
        case Method::SpecificHumidityFromHumidity:
            return "q = 1000 0.62198 e / (P - 0.37802 e) g/kg, e = RH / 100 ew(T), ew(t) = 6.112 "
                   "exp(17.62 t / (243.12 + t)); e and P in hPa, T in C";
        case Method::SpecificHumidityFromDewPoint:
            return "q = 1000 0.62198 e / (P - 0.37802 e) g/kg, e = ew(Td), ew(t) = 6.112 exp(17.62 "
                   "t / (243.12 + t)); e and P in hPa, Td in C";
        case Method::AbsoluteHumidityFromHumidity:
            return "rho = 100 e / (461.51 (T + 273.15)) 1000 g/m^3, e = RH / 100 ew(T), ew(t) = "
                   "6.112 exp(17.62 t / (243.12 + t)); e in hPa, T in C";
        case Method::AbsoluteHumidityFromDewPoint:
            return "rho = 100 e / (461.51 (T + 273.15)) 1000 g/m^3, e = ew(Td), ew(t) = 6.112 "
                   "exp(17.62 t / (243.12 + t)); e in hPa, T and Td in C";
        case Method::FrostPointFromHumidity:
            return "Tf = 272.62 L / (22.46 - L), L = ln(e / 6.112), e = RH / 100 ew(T), ew(t) = "
                   "6.112 exp(17.62 t / (243.12 + t)); e in hPa, T and Tf in C";
        case Method::FrostPointFromDewPoint:
            return "Tf = 272.62 L / (22.46 - L), L = ln(e / 6.112), e = ew(Td), ew(t) = 6.112 "
                   "exp(17.62 t / (243.12 + t)); e in hPa, Td and Tf in C";
        case Method::Humidex:
            return "H = T + 0.5555 (e - 10), e = 6.11 exp(5417.7530 (1 / 273.16 - 1 / (Td + "
                   "273.15))); T and Td in C, e in hPa";
        case Method::ApparentTemperatureFromHumidity:
            return "AT = T + 0.33 e - 0.70 v - 4.00, e = RH / 100 6.105 exp(17.27 T / (237.7 + "
                   "T)); T and AT in C, e in hPa, v in m/s at 10 m";
        case Method::ApparentTemperatureFromDewPoint:
            return "AT = T + 0.33 e - 0.70 v - 4.00, e = 6.105 exp(17.27 Td / (237.7 + Td)); T, Td "
                   "and AT in C, e in hPa, v in m/s at 10 m";
        case Method::IndoorApparentTemperatureFromHumidity:
            return "AT = 0.89 T + 0.382 e - 2.56, e = RH / 100 6.105 exp(17.27 T / (237.7 + T)); T "
                   "and AT in C, e in hPa";
        case Method::IndoorApparentTemperatureFromDewPoint:
            return "AT = 0.89 T + 0.382 e - 2.56, e = 6.105 exp(17.27 Td / (237.7 + Td)); T, Td "
                   "and AT in C, e in hPa";
        case Method::FeelsLike:
            return "the NWS heat index of T and RH where T >= 80 F; else the new wind chill 35.74 "
                   "+ 0.6215 T - 35.75 V^0.16 + 0.4275 T V^0.16 where T <= 50 F and V >= 3 mph; "
                   "else T; T in F, V in mph";
        case Method::VirtualTemperatureFromHumidity:
            return "Tv = (T + 273.15) / (1 - e / P (1 - 0.62198)) K, e = RH / 100 ew(T), ew(t) = "
                   "6.112 exp(17.62 t / (243.12 + t)); e and P in hPa, T in C";
        case Method::VirtualTemperatureFromDewPoint:
            return "Tv = (T + 273.15) / (1 - e / P (1 - 0.62198)) K, e = ew(Td), ew(t) = 6.112 "
                   "exp(17.62 t / (243.12 + t)); e and P in hPa, T and Td in C";
        case Method::PotentialTemperature:
            return "theta = (T + 273.15) (1000 / P)^(2/7) K; T in C, P in hPa";
        case Method::EquivalentPotentialTemperature:
            return "thetaE = thetaDL exp((3036 / TL - 1.78) r (1 + 0.448 r)), thetaDL = T (1000 / "
                   "(P - e))^0.2854 (T / TL)^(0.28 r), TL = 1 / (1 / (Td - 56) + ln(T / Td) / 800) "
                   "+ 56, r = 0.62198 e / (P - e), e = 6.112 exp(17.67 Td / (Td + 243.5)) with Td "
                   "in C; temperatures in K, P and e in hPa";
        case Method::AirDensityOfDryAir:
            return "rho = 100 P / (287.05 (T + 273.15)) kg/m^3; P in hPa, T in C";
        case Method::AirDensityFromDewPoint:
            return "rho = 100 P / (287.05 Tv) kg/m^3, Tv = (T + 273.15) / (1 - e / P (1 - "
                   "0.62198)), e = ew(Td), ew(t) = 6.112 exp(17.62 t / (243.12 + t)); P and e in "
                   "hPa, T and Td in C";
        case Method::AirDensityFromHumidity:
            return "rho = 100 P / (287.05 Tv) kg/m^3, Tv = (T + 273.15) / (1 - e / P (1 - "
                   "0.62198)), e = RH / 100 ew(T), ew(t) = 6.112 exp(17.62 t / (243.12 + t)); P "
                   "and e in hPa, T in C";
        case Method::Beaufort:
            return "the force whose least speed in m/s the speed reaches: 0.3, 1.6, 3.4, 5.5, 8.0, "
                   "10.8, 13.9, 17.2, 20.8, 24.5, 28.5, 32.7 for forces 1 to 12";
    }
    return {};
}

}  // namespace nimbaro
