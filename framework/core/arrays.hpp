#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/exceptions.hpp"

namespace framework {

namespace detail {
inline std::size_t ElementCount(int64_t upperBound) {
  if (upperBound < -1) throw OutOfBoundsException("Upper bound below -1");
  return static_cast<std::size_t>(upperBound + 1);
}
inline std::size_t CheckedIndex(int64_t index, int64_t upperBound) {
  if (index < 0 || index > upperBound) {
    throw OutOfBoundsException("Index " + std::to_string(index) + " outside 0 to " +
                               std::to_string(upperBound));
  }
  return static_cast<std::size_t>(index);
}
}  // namespace detail

// An array indexed from 0 to its upper bound; an upper bound of -1 makes it empty. Every
// access is checked, so a wrong index is a reported failure and never a stray write.
template <typename T>
class Array {
 public:
  explicit Array(int64_t upperBound = -1) : values_(detail::ElementCount(upperBound)) {}

  int64_t UBound() const { return static_cast<int64_t>(values_.size()) - 1; }

  // Elements inside the new bounds keep their values; new elements are zero.
  void Resize(int64_t upperBound) { values_.resize(detail::ElementCount(upperBound), T{}); }

  T& operator()(int64_t i) { return values_[detail::CheckedIndex(i, UBound())]; }
  const T& operator()(int64_t i) const { return values_[detail::CheckedIndex(i, UBound())]; }

  bool operator==(const Array&) const = default;

 private:
  std::vector<T> values_;
};

// A two-dimensional array with an upper bound per dimension.
template <typename T>
class Array2 {
 public:
  Array2() = default;
  Array2(int64_t upperBound1, int64_t upperBound2)
      : ub1_(upperBound1),
        ub2_(upperBound2),
        values_(detail::ElementCount(upperBound1) * detail::ElementCount(upperBound2)) {}

  int64_t UBound(int dimension) const { return dimension == 1 ? ub1_ : ub2_; }

  // Each element whose two indexes both lie inside the new bounds keeps its value.
  void Resize(int64_t upperBound1, int64_t upperBound2) {
    Array2 resized(upperBound1, upperBound2);
    const int64_t rows = std::min(ub1_, upperBound1);
    const int64_t columns = std::min(ub2_, upperBound2);
    for (int64_t i = 0; i <= rows; ++i) {
      for (int64_t j = 0; j <= columns; ++j) resized.At(i, j) = At(i, j);
    }
    *this = std::move(resized);
  }

  T& operator()(int64_t i, int64_t j) {
    detail::CheckedIndex(i, ub1_);
    detail::CheckedIndex(j, ub2_);
    return At(i, j);
  }
  const T& operator()(int64_t i, int64_t j) const {
    detail::CheckedIndex(i, ub1_);
    detail::CheckedIndex(j, ub2_);
    return At(i, j);
  }

  bool operator==(const Array2&) const = default;

 private:
  T& At(int64_t i, int64_t j) { return values_[static_cast<std::size_t>(i * (ub2_ + 1) + j)]; }
  const T& At(int64_t i, int64_t j) const {
    return values_[static_cast<std::size_t>(i * (ub2_ + 1) + j)];
  }

  int64_t ub1_ = -1;
  int64_t ub2_ = -1;
  std::vector<T> values_;
};

}  // namespace framework
