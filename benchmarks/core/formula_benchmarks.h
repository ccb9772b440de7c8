#pragma once

namespace nimbaro {

// One benchmark per calculation formula, on the values of a typical observation.
void registerFormulaBenchmarks();

}  // namespace nimbaro
