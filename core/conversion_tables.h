#pragma once

#include <span>

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

// Every table above, one per conversion window.
std::span<const ConversionTable* const> conversionTables();

}  // namespace nimbaro
