#pragma once

#include "conversion_table.h"

namespace nimbaro {

const ConversionTable& temperatureTable();

}  // namespace nimbaro
