#pragma once

// A locale's number conventions, read without touching the process's own locale (a Python
// program may have set it, and other threads read it).

#include <optional>
#include <string>

namespace nimbaro::python {

// The decimal point, thousands separator and grouping of a locale as its character set
// encodes them, and that character set's name.
struct LocaleConventions {
    std::string decimalPoint;
    std::string thousandsSeparator;
    std::string grouping;
    std::string charset;
};

// The conventions of the locale named (the one LC_ALL, LC_NUMERIC or LANG names for ""), with
// the character set of that locale, as nimbaro-calc --locale reads them; nothing for a locale
// the machine does not have.
std::optional<LocaleConventions> localeConventions(const std::string& name);

}  // namespace nimbaro::python
