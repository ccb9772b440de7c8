#include "result_text.h"

#include "number_text.h"

namespace nimbaro {

std::string copyableText(std::string_view shown, const NumberLocale& locale) {
    std::string text(shown);
    const std::string& separator = locale.groupSeparator;
    if (separator.empty() || !isNumeric(shown, locale)) {
        return text;
    }
    for (std::size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, at)) {
        text.erase(at, separator.size());
    }
    return text;
}

std::string resultLines(std::span<const ShownResult> results, const NumberLocale& locale) {
    std::string lines;
    for (const ShownResult& result : results) {
        if (result.shown.empty()) {
            continue;
        }
        lines += copyableText(result.shown, locale);
        lines += '\t';
        lines += result.unitName;
        lines += '\n';
    }
    return lines;
}

}  // namespace nimbaro
