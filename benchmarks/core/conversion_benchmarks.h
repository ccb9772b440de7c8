#pragma once

namespace nimbaro {

// One benchmark per quantity: an input converted from every unit of the quantity into the
// texts of all its outputs.
void registerConversionBenchmarks();

}  // namespace nimbaro
