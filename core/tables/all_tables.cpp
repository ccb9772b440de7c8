#include "conversion_tables.h"

namespace nimbaro {

const std::vector<const ConversionTable*>& conversionTables() {
    static const std::vector<const ConversionTable*> tables = {
        &temperatureTable(), &rainfallTable(), &airPressureTable(),
        &windSpeedTable(),   &lengthTable(),   &areaTable(),
        &volumeTable(),      &timeTable(),     &massTable()};
    return tables;
}

}  // namespace nimbaro
