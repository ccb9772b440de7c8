#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "number_locale.h"

namespace nimbaro {

// The number settings of the current locale (QLocale(), which follows the system's regional
// settings unless a default locale was set), its grouping as it groups digits (12,34,567 in
// India). Qt stays the windows' source, with its own data for every locale, so that the
// windows follow a locale the C library of the machine lacks; where the C library has it,
// nimbaro-calc --locale reads the same forms from it.
NumberLocale currentNumberLocale();

inline std::string toUtf8(const QString& text) {
    return text.toStdString();
}

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace nimbaro
