// Any text, quantity and unit: a conversion runs exactly on the texts the numeric test accepts,
// writes all outputs or none, and every output it writes is the cell's plain number text
// reformatted, as a label once showed it in two steps. The last "quantity" is the wind
// direction window's degrees path: the whole-number rewrite and the sector look-up.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "number_shape.h"
#include "number_text.h"
#include "quantities.h"
#include "reference_numbers.h"
#include "wind_direction.h"

namespace nimbaro::fuzz {
namespace {

bool readsBack(double result, const NumberLocale& locale) {
    return std::isfinite(result) && isNumeric(numberToText(result, locale), locale);
}

void checkConversion(const Quantity& quantity, std::size_t unit, std::string_view text,
                     const NumberLocale& locale) {
    const std::optional<double> value = parseNumber(text, locale);
    const auto outcome = convert(quantity, unit, text, locale);
    const auto* texts = std::get_if<std::vector<std::string>>(&outcome);
    if (!value) {
        require(!texts, "no conversion of a text that is not a number", text);
        return;
    }
    const auto& cells = quantity.cells[unit];
    bool allReadBack = true;
    for (const CellExpression& cell : cells) {
        allReadBack =
            allReadBack && (cell.copiesInputText() || readsBack(cell.evaluate(*value), locale));
    }
    require((texts != nullptr) == allReadBack,
            "a number converts unless a result leaves the double range", text);
    for (std::size_t i = 0; texts && i < cells.size(); ++i) {
        const std::string& output = (*texts)[i];
        const std::string plain = cells[i].copiesInputText()
                                      ? std::string(text)
                                      : numberToText(cells[i].evaluate(*value), locale);
        require(test::reformatNumberText(plain, quantity.decimals, locale) == output,
                "each output is its cell's plain number text, reformatted", output);
        require(test::isFixedNumberText(output, quantity.decimals, locale),
                "every output has the window's decimals", output);
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
    const auto& tables = quantities();
    const std::size_t choice = data[0] % (tables.size() + 1);
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    for (const NumberLocale& locale : locales()) {
        if (choice == tables.size()) {
            checkDegrees(text, locale);
            continue;
        }
        const Quantity& quantity = *tables[choice];
        checkConversion(quantity, data[1] % quantity.cells.size(), text, locale);
    }
    return 0;
}
