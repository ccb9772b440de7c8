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
    }
    return {};
}

}  // namespace nimbaro
