#include "conversion_tables.h"

#include <array>

namespace nimbaro {

std::span<const ConversionTable* const> conversionTables() {
    static const std::array tables = {&temperatureTable(), &lengthTable(),    &areaTable(),
                                      &volumeTable(),      &massTable(),      &timeTable(),
                                      &rainfallTable(),    &windSpeedTable(), &airPressureTable()};
    return tables;
}

}  // namespace nimbaro
