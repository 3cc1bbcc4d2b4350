// Fixed-width, blank-padded text fields: storing a shorter text pads it with
// blanks, storing a longer one cuts it. These are the character fields handed
// to the engine (not terminated, exactly N bytes).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace fe {

template <std::size_t N>
class FixedText {
 public:
  FixedText() { buf_.fill(' '); }
  explicit FixedText(std::string_view s) { set(s); }

  void set(std::string_view s) {
    buf_.fill(' ');
    const std::size_t n = s.size() < N ? s.size() : N;
    for (std::size_t i = 0; i < n; ++i) buf_[i] = s[i];
  }
  FixedText& operator=(std::string_view s) {
    set(s);
    return *this;
  }

  // The whole field, trailing blanks included.
  std::string str() const { return std::string(buf_.data(), N); }
  // The field without trailing blanks.
  std::string trimmedRight() const {
    std::size_t n = N;
    while (n > 0 && buf_[n - 1] == ' ') --n;
    return std::string(buf_.data(), n);
  }
  // The field without leading and trailing blanks.
  std::string trimmed() const {
    std::string t = trimmedRight();
    std::size_t b = 0;
    while (b < t.size() && t[b] == ' ') ++b;
    return t.substr(b);
  }
  bool blank() const { return trimmedRight().empty(); }
  const char* data() const { return buf_.data(); }
  static constexpr std::size_t size() { return N; }

  bool operator==(const FixedText& o) const { return buf_ == o.buf_; }
  bool operator!=(const FixedText& o) const { return !(*this == o); }

 private:
  std::array<char, N> buf_;
};

}  // namespace fe
