#include "number_locales.h"

#include <iconv.h>
#include <langinfo.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "diagnostics.h"

namespace nimbaro::cli {
namespace {

// A text of the locale's character set in UTF-8, as the engine and JSON take texts; nothing
// when it cannot be converted.
std::string inUtf8(const std::string& text, const char* charset) {
    const std::string_view name = charset;
    if (name == "UTF-8" || name == "ANSI_X3.4-1968") {
        return text;
    }
    const iconv_t converter = ::iconv_open("UTF-8", charset);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return {};
    }
    std::string converted(text.size() * 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* out = converted.data();
    std::size_t outLeft = converted.size();
    const bool done =
        ::iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    ::iconv_close(converter);
    converted.resize(converted.size() - outLeft);
    return done ? converted : std::string();
}

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
    const char* name = std::setlocale(LC_NUMERIC, "");
    if (name == nullptr) {
        throw usageError("--locale: " + localeVariable() +
                         " names a locale this machine does not have; locale -a lists those it "
                         "has, and localedef makes one (localedef -i de_DE -f UTF-8 de_DE.UTF-8)");
    }
    const std::lconv* conventions = std::localeconv();
    // The separators are in the character set of the locale named for numbers.
    std::string charset = "ANSI_X3.4-1968";
    if (const locale_t numbers = ::newlocale(LC_CTYPE_MASK, name, nullptr)) {
        charset = ::nl_langinfo_l(CODESET, numbers);
        ::freelocale(numbers);
    }
    const NumberLocale locale = conventionsLocale(
        inUtf8(conventions->decimal_point, charset.c_str()),
        inUtf8(conventions->thousands_sep, charset.c_str()), conventions->grouping);
    // Nothing else in the program reads the C library's locale; keep its number forms plain.
    std::setlocale(LC_NUMERIC, "C");
    return locale;
}

NumberLocale withoutGroups(NumberLocale locale) {
    locale.groupSeparator.clear();
    return locale;
}

}  // namespace nimbaro::cli
