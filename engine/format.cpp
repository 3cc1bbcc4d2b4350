#include "format.h"

#include <charconv>
#include <cmath>

namespace keldor {

namespace {

std::string Stars(int w) { return std::string(static_cast<std::size_t>(w > 0 ? w : 0), '*'); }

std::string RightJustify(const std::string& s, int w) {
  if (static_cast<int>(s.size()) > w) return Stars(w);
  return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

// The magnitude of v in fixed notation with `decimals` decimals. The float
// widens to double exactly, and to_chars rounds the exact binary value
// correctly, an exact tie going to the even digit (as printf does).
std::string FixedDigits(float v, int decimals) {
  char buf[96];
  const double x = std::fabs(static_cast<double>(v));
  const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
  return std::string(buf, r.ptr);
}

bool AllZeroDigits(const std::string& s) {
  for (char c : s)
    if (c >= '1' && c <= '9') return false;
  return true;
}

// Puts the sign in front of an unsigned fixed-point text and fits it into w
// columns, dropping the zero before the point when there is no room for it.
std::string SignAndFit(float v, std::string digits, int w) {
  if (std::signbit(v) && !AllZeroDigits(digits)) digits = "-" + digits;
  if (static_cast<int>(digits.size()) > w) {
    const std::size_t zero = digits[0] == '-' ? 1 : 0;
    if (digits.compare(zero, 2, "0.") == 0) digits.erase(zero, 1);
  }
  return RightJustify(digits, w);
}

}  // namespace

std::string I(long long value, int w) { return I(value, w, 1); }

std::string I(long long value, int w, int m) {
  const unsigned long long mag =
      value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  std::string digits = (m == 0 && mag == 0) ? std::string() : std::to_string(mag);
  if (static_cast<int>(digits.size()) < m) digits.insert(0, static_cast<std::size_t>(m) - digits.size(), '0');
  if (value < 0) digits = "-" + digits;
  return RightJustify(digits, w);
}

std::string F(float value, int w, int d) {
  if (!std::isfinite(value)) return Stars(w);
  std::string digits = FixedDigits(value, d);
  if (d == 0) digits += '.';
  return SignAndFit(value, digits, w);
}

std::string G(float value, int w, int d) {
  if (!std::isfinite(value) || d < 1 || w < 1) return Stars(w);
  const std::string tail(4, ' ');
  if (value == 0.0f) {
    const std::string zero = "0." + std::string(static_cast<std::size_t>(d - 1), '0');
    const std::string s = SignAndFit(0.0f, zero, w - 4);
    return s[0] == '*' ? Stars(w) : s + tail;
  }

  // Round to d significant digits first: the rounded magnitude decides the form.
  char buf[64];
  const double x = std::fabs(static_cast<double>(value));
  const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, d - 1);
  const std::string_view sci(buf, static_cast<std::size_t>(r.ptr - buf));  // "d.ddde+XX"
  const std::size_t epos = sci.find('e');
  int exp10 = 0;
  std::from_chars(sci.data() + epos + (sci[epos + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exp10);

  if (exp10 >= -1 && exp10 <= d - 1) {
    // 0.1 <= m < 10^d: fixed notation, d - k decimals, k digits before the
    // point. Rounding to d - k decimals rounds where the d significant digits
    // were rounded (or, where they carried into a new digit, to the same
    // power of ten), so the fixed digits are those digits with the point
    // placed.
    // The text is put together as SignAndFit and RightJustify would (its
    // first digit is never zero, so a negative value keeps its sign).
    const int k = exp10 + 1;
    if (d > 40) {
      std::string digits = k == 0 ? "0" : "";
      for (int i = 0; i < d; ++i) {
        if (i == k) digits += '.';
        digits += sci[i == 0 ? 0 : static_cast<std::size_t>(i) + 1];
      }
      if (d - k == 0) digits += '.';
      const std::string s = SignAndFit(value, digits, w - 4);
      return s[0] == '*' ? Stars(w) : s + tail;
    }
    char text[48];
    std::size_t n = 0;
    if (std::signbit(value)) text[n++] = '-';
    if (k == 0) text[n++] = '0';
    for (int i = 0; i < d; ++i) {
      if (i == k) text[n++] = '.';
      text[n++] = sci[i == 0 ? 0 : static_cast<std::size_t>(i) + 1];
    }
    if (d - k == 0) text[n++] = '.';
    const int width = w - 4;
    if (static_cast<int>(n) > width) {  // the zero before the point goes when there is no room
      const std::size_t zero = text[0] == '-' ? 1 : 0;
      if (text[zero] == '0' && text[zero + 1] == '.') {
        for (std::size_t j = zero; j + 1 < n; ++j) text[j] = text[j + 1];
        --n;
      }
    }
    if (static_cast<int>(n) > width) return width > 0 ? Stars(w) : tail;
    std::string out(static_cast<std::size_t>(width) - n, ' ');
    out.append(text, n);
    out += tail;
    return out;
  }

  // Exponent form: 0.dddd E sign ee, the exponent one more than in d.ddd form.
  std::string mant(sci.substr(0, epos));
  if (mant.size() > 1) mant.erase(1, 1);  // drop the point
  const int e = exp10 + 1;
  std::string ee = std::to_string(e < 0 ? -e : e);
  if (ee.size() < 2) ee.insert(0, 1, '0');
  std::string s = "0." + mant + "E" + (e < 0 ? "-" : "+") + ee;
  if (value < 0.0f) s = "-" + s;
  if (static_cast<int>(s.size()) > w) {
    const std::size_t zero = s[0] == '-' ? 1 : 0;
    s.erase(zero, 1);
  }
  return RightJustify(s, w);
}

std::string A(std::string_view text, int w) {
  std::string s(text.substr(0, static_cast<std::size_t>(w > 0 ? w : 0)));
  s.resize(static_cast<std::size_t>(w > 0 ? w : 0), ' ');
  return s;
}

std::string X(int n) { return std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' '); }

}  // namespace keldor
