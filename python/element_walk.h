#pragma once

// A walk over every element of numpy arrays of one shape, each with its own strides (a
// broadcast input has stride 0 along the axes it is repeated on), in C order, so that an
// array is read where it lies and never copied.

#include <cstddef>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace nimbaro::python {

// One array's data and its stride along each axis, in bytes.
struct StridedArray {
    const char* data;
    std::vector<std::ptrdiff_t> strides;
};

class ElementWalk {
  public:
    ElementWalk(std::vector<std::ptrdiff_t> shape, std::vector<StridedArray> arrays)
        : shape_(std::move(shape)), arrays_(std::move(arrays)) {}

    std::size_t size() const {
        std::size_t count = 1;
        for (const std::ptrdiff_t extent : shape_) {
            count *= static_cast<std::size_t>(extent);
        }
        return count;
    }

    // One row of the walk: `length` elements along the last axis from element `index` on,
    // array k's first at starts[k] and the next each steps[k] bytes on.
    struct Row {
        std::size_t index;
        std::ptrdiff_t length;
        std::span<const char* const> starts;
        std::span<const std::ptrdiff_t> steps;
    };

    // Calls visit(row) for every row in C order; stops where visit returns false.
    template <typename Visit>
    void runRows(Visit&& visit) const {
        if (size() == 0) {
            return;
        }
        const std::size_t rank = shape_.size();
        std::vector<const char*> starts(arrays_.size());
        std::vector<std::ptrdiff_t> steps(arrays_.size());
        for (std::size_t k = 0; k < arrays_.size(); ++k) {
            steps[k] = rank == 0 ? 0 : arrays_[k].strides[rank - 1];
        }
        std::vector<std::ptrdiff_t> position(rank, 0);
        // The last axis is walked in a row; a scalar is one row of one element.
        const std::ptrdiff_t rowLength = rank == 0 ? 1 : shape_.back();
        std::size_t index = 0;
        do {
            for (std::size_t k = 0; k < arrays_.size(); ++k) {
                const char* start = arrays_[k].data;
                for (std::size_t axis = 0; axis + 1 < rank; ++axis) {
                    start += position[axis] * arrays_[k].strides[axis];
                }
                starts[k] = start;
            }
            if (!visit(Row{index, rowLength, starts, steps})) {
                return;
            }
            index += static_cast<std::size_t>(rowLength);
        } while (nextRow(position));
    }

    // Calls visit(index, values) for every element in C order, where index counts the elements
    // and values[k] is the element of array k; stops where visit returns false.
    template <typename Visit>
    void run(Visit&& visit) const {
        std::vector<double> values(arrays_.size());
        runRows([&](const Row& row) {
            for (std::ptrdiff_t i = 0; i < row.length; ++i) {
                for (std::size_t k = 0; k < values.size(); ++k) {
                    // Copied, not cast: an array's elements need not be aligned.
                    std::memcpy(&values[k], row.starts[k] + i * row.steps[k], sizeof(double));
                }
                if (!visit(row.index + static_cast<std::size_t>(i),
                           std::span<const double>(values))) {
                    return false;
                }
            }
            return true;
        });
    }

  private:
    // Moves to the next row, the axes before the last counted like an odometer.
    bool nextRow(std::vector<std::ptrdiff_t>& position) const {
        if (shape_.size() < 2) {
            return false;
        }
        for (std::size_t axis = shape_.size() - 1; axis-- > 0;) {
            if (++position[axis] < shape_[axis]) {
                return true;
            }
            position[axis] = 0;
        }
        return false;
    }

    std::vector<std::ptrdiff_t> shape_;
    std::vector<StridedArray> arrays_;
};

// An element's place for a message: "3" in one dimension, "(1, 2)" in more, nothing for a
// scalar.
std::string elementPlace(std::span<const std::ptrdiff_t> shape, std::size_t index);

}  // namespace nimbaro::python
