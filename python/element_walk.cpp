#include "element_walk.h"

#include <vector>

namespace nimbaro::python {

std::string elementPlace(std::span<const std::ptrdiff_t> shape, std::size_t index) {
    if (shape.empty()) {
        return {};
    }
    if (shape.size() == 1) {
        return std::to_string(index);
    }
    std::vector<std::size_t> place(shape.size());
    for (std::size_t axis = shape.size(); axis-- > 0;) {
        const auto extent = static_cast<std::size_t>(shape[axis]);
        place[axis] = index % extent;
        index /= extent;
    }
    std::string text = "(";
    for (const std::size_t coordinate : place) {
        text += text.size() > 1 ? ", " : "";
        text += std::to_string(coordinate);
    }
    return text + ")";
}

}  // namespace nimbaro::python
