#include "conversion.h"

#include <cmath>

#include "number_text.h"

namespace nimbaro {

std::optional<std::vector<std::string>> convertAll(const ConversionTable& table,
                                                   std::size_t fromUnit, std::string_view inputText,
                                                   const NumberLocale& locale) {
    const std::optional<double> input = parseNumber(inputText, locale);
    if (!input || fromUnit >= table.cells.size()) {
        return std::nullopt;
    }
    std::vector<std::string> texts;
    texts.reserve(table.outputs.size());
    for (const CellExpression& cell : table.cells[fromUnit]) {
        if (cell.copiesInputText()) {
            texts.emplace_back(inputText);
            continue;
        }
        const double result = cell.evaluate(*input);
        if (!std::isfinite(result)) {
            return std::nullopt;
        }
        // Rounded to 15 digits, a result at the very top of the range can read back as an
        // overflow; such a text could not be formatted, so it counts as out of range too.
        std::string text = numberToText(result, locale);
        if (!isNumeric(text, locale)) {
            return std::nullopt;
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

}  // namespace nimbaro
