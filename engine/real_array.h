// A real array of the engine, indexed from 1 like the records it holds.
#pragma once

#include <vector>

namespace keldor {

class RealArray {
 public:
  // No array of a wall needs more entries than this; a larger count is treated
  // like storage that cannot be obtained.
  static constexpr int kMaxEntries = 1000000;

  // Re-creates the array with n entries, all zero; a count of 0 or less gives
  // an empty array. When storage cannot be obtained the array stays empty.
  void resize(int n) {
    values_.clear();
    if (n <= 0 || n > kMaxEntries) return;
    try {
      values_.assign(static_cast<std::size_t>(n), 0.0f);
    } catch (...) {
      values_.clear();
      values_.shrink_to_fit();
    }
  }
  void clear() { values_.clear(); }
  int size() const { return static_cast<int>(values_.size()); }
  bool has(int i) const { return i >= 1 && i <= size(); }

  // Entry i (1-based). An index outside the array never touches memory outside
  // it: reads give 0 and writes go to a scratch value that nothing reads.
  float& operator()(int i) {
    if (has(i)) return values_[static_cast<std::size_t>(i - 1)];
    scratch_ = 0.0f;
    return scratch_;
  }
  float operator()(int i) const { return has(i) ? values_[static_cast<std::size_t>(i - 1)] : 0.0f; }

 private:
  std::vector<float> values_;
  float scratch_ = 0.0f;
};

}  // namespace keldor
