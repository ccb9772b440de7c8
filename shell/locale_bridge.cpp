#include "locale_bridge.h"

#include <QLocale>

namespace nimbaro {

NumberLocale currentNumberLocale() {
    const QLocale locale;
    return NumberLocale{
        .decimalSeparator = toUtf8(locale.decimalPoint()),
        .groupSeparator = toUtf8(locale.groupSeparator()),
        .minusSign = toUtf8(locale.negativeSign()),
    };
}

}  // namespace nimbaro
