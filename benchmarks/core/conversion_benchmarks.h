#pragma once

namespace nimbaro {

// One benchmark per conversion table: an input converted from every unit of the table into
// the texts of all its outputs.
void registerConversionBenchmarks();

}  // namespace nimbaro
