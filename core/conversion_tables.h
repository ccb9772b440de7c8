#pragma once

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

}  // namespace nimbaro
