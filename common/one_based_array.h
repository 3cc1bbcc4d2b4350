// An array of reals indexed from 1, as the records of a wall are numbered
// (load combination 1, ground segment 1, pile row 1). The engine's input
// arrays and the program's record arrays are both of this type.
//
// An index outside the array is a fault of the caller: a debug build stops
// on it; a release build never touches memory outside the array (reads give
// 0, writes go to a scratch value that nothing reads).
#pragma once

#include <cassert>
#include <cstddef>
#include <initializer_list>
#include <vector>

namespace keldor {

class OneBasedArray {
 public:
  // No array of a wall needs more entries than this; a larger count is
  // treated like storage that cannot be obtained.
  static constexpr int kMaxEntries = 1000000;

  OneBasedArray() = default;
  // Entries 1, 2, ... from the list.
  OneBasedArray(std::initializer_list<float> entries) : values_(entries) {}

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

  // Entry i (1-based).
  float& operator()(int i) {
    assert(has(i) && "index outside a 1-based array");
    if (has(i)) return values_[static_cast<std::size_t>(i - 1)];
    scratch_ = 0.0f;
    return scratch_;
  }
  float operator()(int i) const {
    assert(has(i) && "index outside a 1-based array");
    return has(i) ? values_[static_cast<std::size_t>(i - 1)] : 0.0f;
  }
  // Entry i, or 0 past the end: for the places where an array may
  // legitimately be shorter than its count.
  float at_or_zero(int i) const { return has(i) ? values_[static_cast<std::size_t>(i - 1)] : 0.0f; }

  bool operator==(const OneBasedArray& other) const { return values_ == other.values_; }
  bool operator!=(const OneBasedArray& other) const { return values_ != other.values_; }

 private:
  std::vector<float> values_;
  float scratch_ = 0.0f;
};

}  // namespace keldor
