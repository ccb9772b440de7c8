#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace nimbaro {

// An ASCII letter in lower or upper case; every other byte, those of UTF-8 among them, as it is.
constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// A name with its ASCII letters in lower case: "Wind Speed" is "wind speed".
inline std::string asciiLowerCase(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), asciiLower);
    return lower;
}

// Whether two names are the same but for the case of their ASCII letters.
inline bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

// The items of a comma-separated list, as typed ("km/h,kn"; "-9999,NA"); one empty item for
// an empty list.
inline std::vector<std::string_view> commaSeparated(std::string_view list) {
    std::vector<std::string_view> items;
    for (;;) {
        const std::size_t comma = list.find(',');
        items.push_back(list.substr(0, comma));
        if (comma == std::string_view::npos) {
            return items;
        }
        list.remove_prefix(comma + 1);
    }
}

}  // namespace nimbaro
