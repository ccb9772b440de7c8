#include "system_locale.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <string_view>

namespace nimbaro {
namespace {

// A text of a locale's character set in UTF-8; nothing when it cannot be converted.
std::string inUtf8(const std::string& text, const std::string& charset) {
    if (charset == "UTF-8" || charset == "ANSI_X3.4-1968") {
        return text;
    }
    const iconv_t converter = ::iconv_open("UTF-8", charset.c_str());
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

}  // namespace

std::optional<NumberLocale> systemNumberLocale(const std::string& name) {
    const locale_t numbers = ::newlocale(LC_NUMERIC_MASK, name.c_str(), nullptr);
    if (numbers == nullptr) {
        return std::nullopt;
    }
    const std::string decimalPoint = ::nl_langinfo_l(RADIXCHAR, numbers);
    const std::string thousandsSeparator = ::nl_langinfo_l(THOUSEP, numbers);
    const std::string grouping = ::nl_langinfo_l(GROUPING, numbers);
    // The separators are in the character set of the locale named for numbers.
    const std::string numbersName = ::nl_langinfo_l(NL_LOCALE_NAME(LC_NUMERIC), numbers);
    ::freelocale(numbers);
    std::string charset = "ANSI_X3.4-1968";
    if (const locale_t characters = ::newlocale(LC_CTYPE_MASK, numbersName.c_str(), nullptr)) {
        charset = ::nl_langinfo_l(CODESET, characters);
        ::freelocale(characters);
    }
    return conventionsLocale(inUtf8(decimalPoint, charset), inUtf8(thousandsSeparator, charset),
                             grouping);
}

}  // namespace nimbaro
