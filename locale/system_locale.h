#pragma once

#include <optional>
#include <string>

#include "number_locale.h"

namespace nimbaro {

// The number forms of a locale of this machine, the one LC_ALL, LC_NUMERIC or LANG names for
// "": its separators in UTF-8, as the engine takes texts, and its grouping. Read without
// touching the process's own locale (a Python program may have set it, and other threads
// read it); nothing for a locale the machine does not have.
std::optional<NumberLocale> systemNumberLocale(const std::string& name);

}  // namespace nimbaro
