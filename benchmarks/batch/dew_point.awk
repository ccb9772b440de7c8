# mawk -F, -v air=COLUMN -v humidity=COLUMN -f dew_point.awk LOG: the dew point of every row of
# a CSV log (no quoted fields) in Celsius, Fahrenheit and Kelvin, each row followed by them.
NR == 1 {
    for (i = 1; i <= NF; ++i) {
        if ($i == air) airField = i
        if ($i == humidity) humidityField = i
    }
    print $0 ",Dew Point (°C),Dew Point (°F),Dew Point (K)"
    next
}
{
    t = $airField
    saturation = 6.11 * 10 ^ (7.5 * t / (t + 237.7))
    logarithm = log($humidityField * saturation / 100)
    dewPoint = (logarithm * 237.7 - 430.22) / (19.08 - logarithm)
    printf "%s,%.5f,%.5f,%.5f\n", $0, dewPoint, dewPoint * (9 / 5) + 32, dewPoint + 273.15
}
