#include "number_locales.h"

#include <cstdlib>
#include <string>

#include "diagnostics.h"
#include "system_locale.h"

namespace nimbaro::cli {
namespace {

// The variable that names the locale of numbers, as the C library looks for it.
std::string localeVariable() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return std::string(variable) + "=" + value;
        }
    }
    return "LANG";
}

}  // namespace

NumberLocale userNumberLocale() {
    const std::optional<NumberLocale> locale = systemNumberLocale("");
    if (!locale) {
        throw usageError("--locale: " + localeVariable() +
                         " names a locale this machine does not have; locale -a lists those it "
                         "has, and localedef makes one (localedef -i de_DE -f UTF-8 de_DE.UTF-8)");
    }
    return *locale;
}

NumberLocale withoutGroups(NumberLocale locale) {
    locale.groupSeparator.clear();
    return locale;
}

}  // namespace nimbaro::cli
