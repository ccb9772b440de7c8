#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "number_locale.h"

namespace nimbaro {

// The number settings of the current locale (QLocale(), which follows the system's regional
// settings unless a default locale was set).
NumberLocale currentNumberLocale();

inline std::string toUtf8(const QString& text) {
    return text.toStdString();
}

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace nimbaro
