#pragma once

// The cells of the quantities whose units a calculation's inputs are typed in, as constants:
// the quantities' tables are made of them, and a formula converts an input by them without
// looking a quantity up, as it does for every element of a large array.

#include <cstddef>
#include <iterator>
#include <vector>

#include "cell_expression.h"

namespace nimbaro {

// cells[from][to] of a quantity of N units.
template <std::size_t N>
using CellTable = CellExpression[N][N];

// The rows of a quantity's table, cells[from][to].
template <std::size_t N>
std::vector<std::vector<CellExpression>> rowsOf(const CellTable<N>& table) {
    std::vector<std::vector<CellExpression>> rows;
    for (const auto& row : table) {
        rows.emplace_back(std::begin(row), std::end(row));
    }
    return rows;
}

// Celsius, Fahrenheit, Kelvin.
inline constexpr CellTable<3> kTemperatureCells = {
    // from Celsius: the quotient 9 ÷ 5 is formed before it multiplies
    {CellExpression::inputText(), {times(9.0 / 5.0), plus(32)}, {plus(273.15)}},
    // from Fahrenheit
    {{minus(32), times(5), over(9)},
     CellExpression::inputText(),
     {minus(32), times(5), over(9), plus(273.15)}},
    // from Kelvin
    {{minus(273.15)}, {minus(273.15), times(9), over(5), plus(32)}, CellExpression::inputText()},
};

// Pascals, hectopascals, millibars, mm of mercury, inches of mercury. A millimetre of mercury
// is 133.322 Pa (shortened, the same in every cell); hectopascals and millibars are one unit,
// so either as the source copies the input text into both.
inline constexpr CellTable<5> kAirPressureCells = {
    // from Pascals
    {CellExpression::inputText(),
     {over(100)},
     {over(100)},
     {over(133.322)},
     {over(133.322), over(25.4)}},
    // from Hectopascals
    {{times(100)},
     CellExpression::inputText(),
     CellExpression::inputText(),
     {over(133.322), times(100)},
     {over(133.322), times(100), over(25.4)}},
    // from Millibars
    {{times(100)},
     CellExpression::inputText(),
     CellExpression::inputText(),
     {over(133.322), times(100)},
     {over(133.322), times(100), over(25.4)}},
    // from mm of Hg
    {{times(133.322)},
     {times(133.322), over(100)},
     {times(133.322), over(100)},
     CellExpression::inputText(),
     {over(25.4)}},
    // from in of Hg
    {{times(133.322), times(25.4)},
     {times(133.322), times(25.4), over(100)},
     {times(133.322), times(25.4), over(100)},
     {times(25.4)},
     CellExpression::inputText()},
};

// Km/h, m/s, mph, ft/s, knots.
inline constexpr CellTable<5> kWindSpeedCells = {
    // from Km / Hour
    {CellExpression::inputText(),
     {times(1000), over(3600)},
     {over(1.609344)},
     {times(1000), over(3600), over(0.3048)},
     {times(1000), over(1852)}},
    // from Metres / Sec
    {{times(3.6)},
     CellExpression::inputText(),
     {times(3.6), over(1.609344)},
     {over(0.3048)},
     {times(3600), over(1852)}},
    // from Miles / Hour
    {{times(1.609344)},
     {times(1.609344), times(1000), over(3600)},
     CellExpression::inputText(),
     {times(1.609344), times(1000), over(3600), over(0.3048)},
     {times(1.609344), times(1000), over(1852)}},
    // from Feet / Sec
    {{times(0.3048), times(3.6)},
     {times(0.3048)},
     {times(0.3048), times(3.6), over(1.609344)},
     CellExpression::inputText(),
     {times(0.3048), times(3.6), times(1000), over(1852)}},
    // from Knots
    {{times(1.852)},
     {times(1.852), times(1000), over(3600)},
     {times(1852), over(1000), over(1.609344)},
     {times(1852), over(3600), over(0.3048)},
     CellExpression::inputText()},
};

}  // namespace nimbaro
