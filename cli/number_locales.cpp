#include "number_locales.h"

#include <iconv.h>
#include <langinfo.h>

#include <climits>
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

// The C library's grouping: the size of the group before the decimal separator, then of the
// next, the last size repeating; CHAR_MAX ends grouping, which the engine cannot express.
bool setGroups(const char* grouping, NumberLocale& locale) {
    const auto size = [](char c) { return c > 0 && c < CHAR_MAX ? c : 0; };
    if (size(grouping[0]) == 0) {
        return false;
    }
    locale.firstGroupDigits = size(grouping[0]);
    locale.laterGroupDigits = grouping[1] == 0 ? locale.firstGroupDigits : size(grouping[1]);
    return locale.laterGroupDigits > 0 &&
           (grouping[1] == 0 || grouping[2] == 0 || grouping[2] == grouping[1]);
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
    NumberLocale locale{.decimalSeparator = inUtf8(conventions->decimal_point, charset.c_str()),
                        .groupSeparator = inUtf8(conventions->thousands_sep, charset.c_str()),
                        .minusSign = "-"};
    if (locale.decimalSeparator.empty()) {
        locale.decimalSeparator = ".";
    }
    if (!setGroups(conventions->grouping, locale)) {
        locale.groupSeparator.clear();
    }
    // Nothing else in the program reads the C library's locale; keep its number forms plain.
    std::setlocale(LC_NUMERIC, "C");
    return locale;
}

NumberLocale withoutGroups(NumberLocale locale) {
    locale.groupSeparator.clear();
    return locale;
}

}  // namespace nimbaro::cli
