#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>
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

// A spelling as names are compared: ASCII letters in lower case, no blanks, and the ordinal
// sign and the ring above read as the degree sign, so that "deg F", "ºC" and "In Hg" are found.
std::string spellingKey(std::string_view spelling);

// For an answer to a name that matches nothing: the candidates whose spellings come nearest to
// `typed`, the nearest first, at most `count`, each as its index in `candidates` (which holds
// every candidate's spellings). Near means few letters to add, remove or change; a spelling
// that begins with what was typed counts as nearer still. With `withinEdits`, only candidates
// that many such letters from `typed`, or from the beginning of a spelling, or nearer.
std::vector<std::size_t> nearestNames(std::string_view typed,
                                      std::span<const std::vector<std::string_view>> candidates,
                                      std::size_t count,
                                      std::optional<std::size_t> withinEdits = std::nullopt);

}  // namespace nimbaro
