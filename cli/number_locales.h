#pragma once

#include "number_locale.h"

namespace nimbaro::cli {

// The user's regional settings (LC_ALL, LC_NUMERIC, LANG), as the windows read and show
// numbers, with the separators in UTF-8. Throws a usage error when the locale they name is
// not on the machine.
NumberLocale userNumberLocale();

// The same without group separators, as a value is copied into a spreadsheet.
NumberLocale withoutGroups(NumberLocale locale);

}  // namespace nimbaro::cli
