#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <stdexcept>

namespace nimbaro {

// The most outputs one calculation has: the lightning distance in four units.
inline constexpr std::size_t kMaxOutputs = 4;

// The value of every output of one calculation, in the order of its outputs, held in place so
// that a calculation on a log's row or an array's element allocates nothing.
class OutputValues {
  public:
    using value_type = double;
    using iterator = const double*;
    using const_iterator = const double*;

    constexpr OutputValues() = default;
    constexpr OutputValues(std::initializer_list<double> values) : size_(values.size()) {
        if (values.size() > kMaxOutputs) {
            throw std::length_error("more outputs than a calculation has");
        }
        std::copy(values.begin(), values.end(), values_.begin());
    }
    template <std::size_t N>
    requires(N <= kMaxOutputs) constexpr OutputValues(const std::array<double, N>& values)
        : size_(N) {
        std::copy(values.begin(), values.end(), values_.begin());
    }

    constexpr std::size_t size() const { return size_; }
    constexpr bool empty() const { return size_ == 0; }
    constexpr const double* begin() const { return values_.data(); }
    constexpr const double* end() const { return values_.data() + size_; }
    constexpr double operator[](std::size_t index) const { return values_[index]; }
    constexpr double front() const { return values_[0]; }

    friend constexpr bool operator==(const OutputValues& a, const OutputValues& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

  private:
    std::array<double, kMaxOutputs> values_{};
    std::size_t size_ = 0;
};

}  // namespace nimbaro
