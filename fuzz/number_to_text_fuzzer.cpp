// Any finite double: its plain number text has the plain form and reads back as the value
// rounded to 15 significant digits (or as nothing when that rounding leaves the double range).
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
    const std::optional<double> value =
        valueFrom(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!value) {
        return 0;
    }
    const double rounded = readDecimal((std::signbit(*value) ? "-" : "") + fifteenDigits(*value));
    const int exponent = fifteenDigitExponent(*value);
    const bool exponentForm = *value != 0 && (exponent < -5 || exponent >= 15);
    for (const NumberLocale& locale : locales()) {
        const std::string text = numberToText(*value, locale);
        require(test::isPlainNumberText(text, locale), "plain number text has the plain form",
                text);
        require((text.find('E') != std::string::npos) == exponentForm,
                "the exponent form is used outside 1e-5 <= |x| < 1e15", text);
        const std::optional<double> back = parseNumber(text, locale);
        require(back ? *back == rounded : std::isinf(rounded),
                "plain number text reads back as the value at 15 digits", text);
    }
    return 0;
}
