#include "number_locale.h"

#include <climits>

namespace nimbaro {
namespace {

// The size of a group: CHAR_MAX (no further grouping) and anything not positive count as none.
int groupSize(char size) {
    return size > 0 && size < CHAR_MAX ? size : 0;
}

}  // namespace

NumberLocale conventionsLocale(std::string decimalSeparator, std::string groupSeparator,
                               std::string_view grouping) {
    NumberLocale locale = plainNumberLocale();
    if (!decimalSeparator.empty()) {
        locale.decimalSeparator = std::move(decimalSeparator);
    }
    locale.groupSeparator = std::move(groupSeparator);
    // The size of the group before the decimal separator, then of the next, the last size
    // repeating.
    const auto at = [&](std::size_t i) { return i < grouping.size() ? grouping[i] : '\0'; };
    const bool followed = groupSize(at(0)) > 0 && (at(1) == 0 || groupSize(at(1)) > 0) &&
                          (at(1) == 0 || at(2) == 0 || at(2) == at(1));
    if (followed) {
        locale.firstGroupDigits = groupSize(at(0));
        locale.laterGroupDigits = at(1) == 0 ? locale.firstGroupDigits : groupSize(at(1));
    } else {
        locale.groupSeparator.clear();
    }
    return locale;
}

}  // namespace nimbaro
