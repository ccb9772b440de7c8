// Any text: the numeric test, the conversion to a number and the reformatting of a label's text
// agree with each other and with the C library's reading of the same number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "number_shape.h"
#include "number_text.h"
#include "reference_numbers.h"

namespace nimbaro::fuzz {
namespace {

constexpr int kWindowDecimals[] = {0, 1, 5, 10};

void checkReformatting(std::string_view text, std::optional<double> value,
                       const NumberLocale& locale) {
    for (int decimals : kWindowDecimals) {
        const std::optional<std::string> shown = test::reformatNumberText(text, decimals, locale);
        require(shown.has_value() == value.has_value(),
                "a label text is reformatted exactly when it is numeric", text);
        if (!shown) {
            continue;
        }
        require(*shown == formatFixed(*value, decimals, locale),
                "reformatting a text formats the number it reads as", text);
        require(test::isFixedNumberText(*shown, decimals, locale),
                "a reformatted text has the fixed form", *shown);
        // Only a value whose 15 digits round past the largest double fails to read back.
        const std::optional<std::string> again = test::reformatNumberText(*shown, decimals, locale);
        require(
            again ? *again == *shown : std::isinf(readDecimal(roundedToDecimals(*value, decimals))),
            "reformatting a formatted text changes nothing", *shown);
    }
}

}  // namespace
}  // namespace nimbaro::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nimbaro;
    using namespace nimbaro::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const NumberLocale& locale : locales()) {
        const std::optional<double> value = parseNumber(text, locale);
        require(isNumeric(text, locale) == value.has_value(),
                "the numeric test and the conversion agree", text);
        checkReformatting(text, value, locale);
        if (!value) {
            continue;
        }
        require(std::isfinite(*value), "an accepted text reads as a finite number", text);
        require(sameValue(*value, readDecimal(inCForm(text, locale))),
                "an accepted text reads as the C library reads it", text);
        const std::string padded = " " + std::string(text) + "\t";
        const std::optional<double> paddedValue = parseNumber(padded, locale);
        require(paddedValue && sameValue(*paddedValue, *value), "blanks around change nothing",
                text);
    }
    return 0;
}
