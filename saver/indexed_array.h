// A dynamic array with chosen index bounds, freshly sized arrays holding zeros.
#pragma once

#include <cassert>
#include <cstdint>
#include <vector>

namespace quorex {

template <typename T>
class IndexedArray {
 public:
  // Indexes lower..upper; an upper bound below the lower one gives an empty array.
  void Resize(int32_t lower, int32_t upper) {
    lower_ = lower;
    const int64_t count = static_cast<int64_t>(upper) - lower + 1;
    data_.assign(count > 0 ? static_cast<size_t>(count) : 0, T{});
  }
  int32_t Lower() const { return lower_; }
  int32_t Upper() const { return lower_ + static_cast<int32_t>(data_.size()) - 1; }
  size_t Size() const { return data_.size(); }

  T& operator()(int32_t index) {
    assert(index >= lower_ && index <= Upper());
    return data_[static_cast<size_t>(index - lower_)];
  }
  const T& operator()(int32_t index) const {
    assert(index >= lower_ && index <= Upper());
    return data_[static_cast<size_t>(index - lower_)];
  }

 private:
  int32_t lower_ = 0;
  std::vector<T> data_;
};

}  // namespace quorex
