// Any finite double and count of decimals: the fixed form reads back as the value at 15 digits
// rounded half away from zero to that many places, and formatting a label's plain number text
// gives the same text as formatting the value itself.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "number_shape.h"
#include "number_text.h"
#include "reference_numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nimbaro;
    using namespace nimbaro::fuzz;
    if (size < 1) {
        return 0;
    }
    const int decimals = data[0] % 16;
    const std::optional<double> value =
        valueFrom(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    if (!value) {
        return 0;
    }
    const double expected = readDecimal(roundedToDecimals(*value, decimals));
    for (const NumberLocale& locale : locales()) {
        const std::string text = formatFixed(*value, decimals, locale);
        require(test::isFixedNumberText(text, decimals, locale), "fixed text has the fixed form",
                text);
        const std::optional<double> back = parseNumber(text, locale);
        require(back ? *back == expected : std::isinf(expected),
                "fixed text reads back as the value rounded half away from zero", text);
        const std::string label = numberToText(*value, locale);
        if (isNumeric(label, locale)) {
            require(test::reformatNumberText(label, decimals, locale) == text,
                    "formatting a label's text equals formatting its value", label);
        }
    }
    return 0;
}
