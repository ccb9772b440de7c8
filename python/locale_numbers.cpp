#include "locale_numbers.h"

#include <langinfo.h>
#include <locale.h>

namespace nimbaro::python {

std::optional<LocaleConventions> localeConventions(const std::string& name) {
    const locale_t numbers = ::newlocale(LC_NUMERIC_MASK, name.c_str(), nullptr);
    if (numbers == nullptr) {
        return std::nullopt;
    }
    LocaleConventions conventions{.decimalPoint = ::nl_langinfo_l(RADIXCHAR, numbers),
                                  .thousandsSeparator = ::nl_langinfo_l(THOUSEP, numbers),
                                  .grouping = ::nl_langinfo_l(GROUPING, numbers),
                                  .charset = "ANSI_X3.4-1968"};
    // The separators are in the character set of the locale named for numbers.
    const std::string numbersName = ::nl_langinfo_l(NL_LOCALE_NAME(LC_NUMERIC), numbers);
    ::freelocale(numbers);
    if (const locale_t characters = ::newlocale(LC_CTYPE_MASK, numbersName.c_str(), nullptr)) {
        conventions.charset = ::nl_langinfo_l(CODESET, characters);
        ::freelocale(characters);
    }
    return conventions;
}

}  // namespace nimbaro::python
