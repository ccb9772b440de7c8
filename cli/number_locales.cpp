#include "number_locales.h"

#include <clocale>

namespace nimbaro::cli {

NumberLocale userNumberLocale() {
    std::setlocale(LC_NUMERIC, "");
    const std::lconv* conventions = std::localeconv();
    NumberLocale locale{.decimalSeparator = conventions->decimal_point,
                        .groupSeparator = conventions->thousands_sep,
                        .minusSign = "-"};
    // Nothing else in the program reads the C library's locale; keep its number forms plain.
    std::setlocale(LC_NUMERIC, "C");
    return locale;
}

NumberLocale withoutGroups(NumberLocale locale) {
    locale.groupSeparator.clear();
    return locale;
}

}  // namespace nimbaro::cli
