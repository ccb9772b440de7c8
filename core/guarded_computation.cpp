#include "guarded_computation.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

#include "number_text.h"

namespace nimbaro {
namespace {

constexpr int kFaults = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

}  // namespace

std::optional<OutputValues> computeGuarded(const std::function<OutputValues()>& compute) {
    std::feclearexcept(kFaults);
    OutputValues values = compute();
    const bool faulted = std::fetestexcept(kFaults) != 0;
    std::feclearexcept(kFaults);
    if (faulted || !std::all_of(values.begin(), values.end(),
                                [](double value) { return std::isfinite(value); })) {
        return std::nullopt;
    }
    return values;
}

std::optional<std::vector<std::string>> plainNumberTexts(const OutputValues& values,
                                                         const NumberLocale& locale) {
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (const double value : values) {
        std::optional<std::string> text = outputNumberText(value, locale);
        if (!text) {
            return std::nullopt;
        }
        texts.push_back(std::move(*text));
    }
    return texts;
}

}  // namespace nimbaro
