#include "window_catalog.h"

#include "about_window.h"
#include "calculation_forms.h"
#include "calculation_window.h"
#include "conversion_forms.h"
#include "conversion_window.h"
#include "home_window.h"
#include "locale_bridge.h"
#include "wind_direction_window.h"
#include "window_registry.h"

namespace nimbaro {
namespace {

void registerConversion(WindowRegistry& registry, const ConversionForm& form) {
    registry.add(fromUtf8(form.windowName),
                 [&form](WindowRegistry& owner) { return new ConversionWindow(owner, form); });
}

void registerCalculation(WindowRegistry& registry, const CalculationForm& form) {
    registry.add(fromUtf8(form.windowName),
                 [&form](WindowRegistry& owner) { return new CalculationWindow(owner, form); });
}

}  // namespace

void registerWindows(WindowRegistry& registry) {
    registry.add(WindowRegistry::kHomeWindow, [](WindowRegistry& owner) {
        return new HomeWindow(owner, owner.helpDocuments());
    });
    registry.add(AboutWindow::kWindowName,
                 [](WindowRegistry& owner) { return new AboutWindow(owner); });
    for (const ConversionForm* form : conversionForms()) {
        registerConversion(registry, *form);
    }
    registry.add(fromUtf8(window_names::kWindDirection),
                 [](WindowRegistry& owner) { return new WindDirectionWindow(owner); });
    for (const CalculationForm* form : calculationForms()) {
        registerCalculation(registry, *form);
    }
}

}  // namespace nimbaro
