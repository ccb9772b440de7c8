#pragma once

#include <algorithm>
#include <string_view>

namespace nimbaro {

// Whether two names are the same but for the case of their ASCII letters.
inline bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace nimbaro
