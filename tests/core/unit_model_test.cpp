#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculations.h"
#include "formulas/wind_chill.h"
#include "quantities.h"

namespace nimbaro {
namespace {

// What people type for a unit, and the unit it names; a refused spelling names none and has
// another to use instead.
struct Spelling {
    const Quantity& (*quantity)();
    const char* typed;
    const char* id;  // empty: no unit
    const char* instead = "";
};

TEST(UnitSpellings, NameTheirUnits) {
    for (const Spelling& spelling : std::vector<Spelling>{
             {windSpeedQuantity, "kts", "knots"},
             {windSpeedQuantity, "km/hr", "kilometres-per-hour"},
             {windSpeedQuantity, "m s-1", "metres-per-second"},
             {windSpeedQuantity, "ms-1", "metres-per-second"},
             {windSpeedQuantity, "mi/hr", "miles-per-hour"},
             {windSpeedQuantity, "FT/S", "feet-per-second"},
             {airPressureQuantity, "in Hg", "inches-of-mercury"},
             {airPressureQuantity, "mm Hg", "millimetres-of-mercury"},
             {airPressureQuantity, "mb", "millibars"},
             {temperatureQuantity, "deg F", "fahrenheit"},
             {temperatureQuantity, "\u00BAC", "celsius"},
             {temperatureQuantity, "degrees Celsius", "celsius"},
             {lengthQuantity, "nautical miles", "nautical-miles"},
             {lengthQuantity, "Nauticle Miles", "nautical-miles"},
             {areaQuantity, "sq ft", "square-feet"},
             {massQuantity, "tonnes", "tonnes"},
             {lengthQuantity, "nm", "", "nmi"},
             {lengthQuantity, "NM", "", "nmi"},
             {lengthQuantity, "parsec", ""},
         }) {
        const Quantity& quantity = spelling.quantity();
        const std::optional<std::size_t> unit = findUnit(quantity, spelling.typed);
        EXPECT_EQ(unit ? quantity.units[*unit].id : "", spelling.id) << spelling.typed;
        EXPECT_EQ(refusedSpelling(quantity, spelling.typed).value_or(""), spelling.instead)
            << spelling.typed;
    }
}

TEST(UnitSpellings, NotFoundAreAnsweredWithTheNearest) {
    EXPECT_EQ(nearestQuantities("temp").front()->id, "temperature");
    EXPECT_EQ(nearestQuantities("windspeed").front()->id, "wind-speed");
    const Quantity& speeds = windSpeedQuantity();
    EXPECT_EQ(speeds.units[nearestUnits(speeds, "kmh/").front()].id, "kilometres-per-hour");
    const Quantity& temperatures = temperatureQuantity();
    EXPECT_EQ(temperatures.units[nearestUnits(temperatures, "Farenheit").front()].id, "fahrenheit");
    EXPECT_EQ(nearestUnits(lengthQuantity(), "nm", 2).size(), 2U);
}

// The calculations take every unit of their quantities; the wind chill gets from feet per
// second what it gets from the same speed in metres per second.
TEST(CalculationUnits, AreTheQuantitiesUnits) {
    EXPECT_EQ(findWindSpeedUnit("ft/s"), WindSpeedUnit::FeetPerSecond);
    EXPECT_EQ(findPressureUnit("Pa"), PressureUnit::Pascals);
    EXPECT_EQ(unitOf(PressureUnit::InchesOfMercury).id, "inches-of-mercury");
    EXPECT_EQ(unitOf(WindSpeedUnit::Knots).symbol, "kn");
    const auto fromFeet =
        newWindChill(0, TemperatureUnit::Celsius, 10 / 0.3048, WindSpeedUnit::FeetPerSecond);
    const auto fromMetres =
        newWindChill(0, TemperatureUnit::Celsius, 10, WindSpeedUnit::MetresPerSecond);
    EXPECT_NEAR(fromFeet[0], fromMetres[0], 1e-12);
    EXPECT_DOUBLE_EQ(toHectopascals(101325, PressureUnit::Pascals), 1013.25);
}

// An enumeration of units names every unit of its quantity, each by its place.
TEST(UnitNames, NameEveryUnitOfTheirQuantity) {
    const std::pair<UnitRef, std::string_view> lastUnits[] = {
        {TemperatureUnit::Kelvin, "kelvin"}, {PressureUnit::InchesOfMercury, "inches-of-mercury"},
        {WindSpeedUnit::Knots, "knots"},     {LengthUnit::NauticalMiles, "nautical-miles"},
        {TimeUnit::Weeks, "weeks"},          {HumidityUnit::Percent, "percent"},
    };
    for (const auto& [unit, id] : lastUnits) {
        EXPECT_EQ(unit.unit().id, id);
        EXPECT_EQ(unit.index + 1, unit.quantity().units.size()) << id;
    }
    EXPECT_EQ(unitOf(LengthUnit::Feet).id, "feet");
    EXPECT_EQ(unitOf(TimeUnit::Seconds).id, "seconds");
}

TEST(CalculationOutputs, HaveTheirUnitsSymbols) {
    const auto symbols = [](Calculation calculation) {
        std::string joined;
        for (const UnitRef& output : calculationInfo(calculation).outputs) {
            joined += std::string(output.unit().symbol) + " ";
        }
        return joined;
    };
    EXPECT_EQ(symbols(Calculation::RelativeHumidity), "% ");
    EXPECT_EQ(symbols(Calculation::DewPoint), "°C °F K ");
    EXPECT_EQ(symbols(Calculation::CloudHeight), "m ft ");
    EXPECT_EQ(symbols(Calculation::LightningDistance), "m km ft mi ");
}

}  // namespace
}  // namespace nimbaro
