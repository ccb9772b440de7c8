#include "conversion_forms.h"

#include <array>

namespace nimbaro {

std::span<const ConversionForm* const> conversionForms() {
    static const std::array forms = {&temperatureForm(), &lengthForm(),    &areaForm(),
                                     &volumeForm(),      &massForm(),      &timeForm(),
                                     &rainfallForm(),    &windSpeedForm(), &airPressureForm()};
    return forms;
}

}  // namespace nimbaro
