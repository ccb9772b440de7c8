#include "locale_bridge.h"

#include <QLocale>
#include <QStringList>

namespace nimbaro {
namespace {

// The sizes of the groups of digits, as the locale groups a number of ten digits: 3 and 3 in
// most places, 3 and then 2 in India (1,23,45,67,890).
void readGroupSizes(QLocale locale, NumberLocale& forms) {
    if (locale.groupSeparator().isEmpty()) {
        return;
    }
    // Some locales leave grouping out by default (the C locale), yet the windows group.
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    const QStringList groups = locale.toString(1234567890LL).split(locale.groupSeparator());
    if (groups.size() >= 3) {
        forms.firstGroupDigits = static_cast<int>(groups.last().size());
        forms.laterGroupDigits = static_cast<int>(groups.at(groups.size() - 2).size());
    }
}

}  // namespace

NumberLocale currentNumberLocale() {
    const QLocale locale;
    NumberLocale forms{
        .decimalSeparator = toUtf8(locale.decimalPoint()),
        .groupSeparator = toUtf8(locale.groupSeparator()),
        .minusSign = toUtf8(locale.negativeSign()),
    };
    readGroupSizes(locale, forms);
    return forms;
}

}  // namespace nimbaro
