#include "conversion.h"

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
        std::optional<std::string> text = outputNumberText(cell.evaluate(*input), locale);
        if (!text) {
            return std::nullopt;
        }
        texts.push_back(std::move(*text));
    }
    return texts;
}

}  // namespace nimbaro
