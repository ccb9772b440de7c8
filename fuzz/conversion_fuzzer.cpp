// Any text, table and unit: a conversion runs exactly on the texts the numeric test accepts,
// writes all outputs or none, and every output it writes can be formatted. The last "table" is
// the wind direction window's degrees path: the whole-number rewrite and the sector look-up.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "conversion.h"
#include "conversion_tables.h"
#include "number_shape.h"
#include "number_text.h"
#include "reference_numbers.h"
#include "wind_direction.h"

namespace nimbaro::fuzz {
namespace {

bool readsBack(double result, const NumberLocale& locale) {
    return std::isfinite(result) && isNumeric(numberToText(result, locale), locale);
}

void checkConversion(const ConversionTable& table, std::size_t unit, std::string_view text,
                     const NumberLocale& locale) {
    const std::optional<double> value = parseNumber(text, locale);
    const auto texts = convertAll(table, unit, text, locale);
    if (!value) {
        require(!texts, "no conversion of a text that is not a number", text);
        return;
    }
    const auto& cells = table.cells[unit];
    bool allReadBack = true;
    for (const CellExpression& cell : cells) {
        allReadBack =
            allReadBack && (cell.copiesInputText() || readsBack(cell.evaluate(*value), locale));
    }
    require(texts.has_value() == allReadBack,
            "a number converts unless a result leaves the double range", text);
    for (std::size_t i = 0; texts && i < cells.size(); ++i) {
        const std::string& output = (*texts)[i];
        require(cells[i].copiesInputText()
                    ? output == text
                    : output == numberToText(cells[i].evaluate(*value), locale),
                "each output is its cell's plain number text", output);
        const auto shown = reformatNumberText(output, table.decimals, locale);
        require(shown && test::isFixedNumberText(*shown, table.decimals, locale),
                "every output formats with the window's decimals", output);
    }
}

void checkDegrees(std::string_view text, const NumberLocale& locale) {
    const std::optional<double> value = parseNumber(text, locale);
    if (!value) {
        return;
    }
    const std::string whole = wholeDegreesText(*value, locale);
    require(test::isFixedNumberText(whole, 0, locale), "the degrees box shows a whole number",
            whole);
    const std::optional<double> degrees = parseNumber(whole, locale);
    if (!degrees) {
        return;
    }
    const std::optional<std::size_t> point = compassPointFor(*degrees);
    const bool inRange = *degrees >= 0 && *degrees <= 360;
    require(point.has_value() == inRange, "every whole degree from 0 to 360 has a point", whole);
    if (point && *point != kNorth) {
        const CompassPoint& sector = compassPoints()[*point];
        require(sector.from <= *degrees && *degrees <= sector.to, "the point's sector holds it",
                whole);
    }
}

}  // namespace
}  // namespace nimbaro::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nimbaro;
    using namespace nimbaro::fuzz;
    if (size < 2) {
        return 0;
    }
    const auto& tables = conversionTables();
    const std::size_t choice = data[0] % (tables.size() + 1);
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    for (const NumberLocale& locale : locales()) {
        if (choice == tables.size()) {
            checkDegrees(text, locale);
            continue;
        }
        const ConversionTable& table = *tables[choice];
        checkConversion(table, data[1] % table.cells.size(), text, locale);
    }
    return 0;
}
