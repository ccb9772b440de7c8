#include "text_match.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace nimbaro {

std::string spellingKey(std::string_view spelling) {
    std::string key;
    key.reserve(spelling.size());
    for (std::size_t i = 0; i < spelling.size(); ++i) {
        const char c = spelling[i];
        const std::string_view rest = spelling.substr(i);
        if (c == ' ' || c == '\t') {
            continue;
        }
        if (rest.starts_with("\u00BA") || rest.starts_with("\u02DA")) {
            key += "\u00B0";
            ++i;
        } else {
            key += asciiLower(c);
        }
    }
    return key;
}

namespace {

// How many letters to add, remove or change to make one text the other.
std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j < row.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row.back();
}

// How far a spelling lies from what was typed, in half letters: twice the edits to the whole
// spelling, or once more than twice those to its beginning, so that a spelling that begins
// with what was typed is nearer than any other it is not.
std::size_t distance(const std::string& typed, std::string_view spelling) {
    const std::string key = spellingKey(spelling);
    return std::min(2 * editDistance(typed, key),
                    2 * editDistance(typed, std::string_view(key).substr(0, typed.size())) + 1);
}

}  // namespace

std::vector<std::size_t> nearestNames(std::string_view typed,
                                      std::span<const std::vector<std::string_view>> candidates,
                                      std::size_t count, std::optional<std::size_t> withinEdits) {
    const std::string key = spellingKey(typed);
    std::vector<std::pair<std::size_t, std::size_t>> scored;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        std::size_t best = std::numeric_limits<std::size_t>::max();
        for (const std::string_view spelling : candidates[i]) {
            best = std::min(best, distance(key, spelling));
        }
        if (!withinEdits || best <= 2 * *withinEdits + 1) {
            scored.emplace_back(best, i);
        }
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < scored.size() && i < count; ++i) {
        found.push_back(scored[i].second);
    }
    return found;
}

}  // namespace nimbaro
