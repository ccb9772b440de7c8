#pragma once

#include <vector>

#include "conversion_table.h"

namespace nimbaro {

const ConversionTable& temperatureTable();
const ConversionTable& lengthTable();
const ConversionTable& areaTable();
const ConversionTable& volumeTable();
const ConversionTable& massTable();
const ConversionTable& timeTable();
const ConversionTable& rainfallTable();
const ConversionTable& windSpeedTable();
const ConversionTable& airPressureTable();

// Every table above, in the order the main menu's pages list their windows.
const std::vector<const ConversionTable*>& conversionTables();

}  // namespace nimbaro
