#pragma once

#include "number_locale.h"

namespace nimbaro::test {

inline NumberLocale english() {
    return {".", ",", "-"};
}
inline NumberLocale german() {
    return {",", ".", "-"};
}
// French groups with a narrow no-break space.
inline NumberLocale french() {
    return {",", "\xE2\x80\xAF", "-"};
}

}  // namespace nimbaro::test
