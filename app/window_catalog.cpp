#include "window_catalog.h"

#include "about_window.h"
#include "cloud_height_window.h"
#include "conversion_forms.h"
#include "conversion_window.h"
#include "heat_index_window.h"
#include "home_window.h"
#include "lightning_distance_window.h"
#include "locale_bridge.h"
#include "psychrometric_window.h"
#include "wind_chill_window.h"
#include "wind_direction_window.h"
#include "window_registry.h"

namespace nimbaro {
namespace {

void registerConversion(WindowRegistry& registry, const ConversionForm& form) {
    registry.add(fromUtf8(form.windowName),
                 [&form](WindowRegistry& owner) { return new ConversionWindow(owner, form); });
}

template <typename Window>
void registerCalculation(WindowRegistry& registry) {
    registry.add(fromUtf8(Window::kWindowName),
                 [](WindowRegistry& owner) { return new Window(owner); });
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
    for (const PsychrometricNames* names : psychrometricWindows()) {
        registry.add(fromUtf8(names->windowName), [names](WindowRegistry& owner) {
            return new PsychrometricWindow(owner, *names);
        });
    }
    registerCalculation<HeatIndexWindow>(registry);
    registerCalculation<CloudHeightWindow>(registry);
    registerCalculation<WindChillWindow>(registry);
    registerCalculation<LightningDistanceWindow>(registry);
}

}  // namespace nimbaro
