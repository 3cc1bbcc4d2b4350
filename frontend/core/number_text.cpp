#include "number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace fe {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The leading number of a text in a canonical form that from_chars reads:
// "-0.ddddde-12", or "0" when the text has no number or the number is zero.
// `magnitude` is the decimal exponent of the leading digit plus one, so a
// caller can tell a number too large for its type from one too small.
struct Scanned {
  std::string canonical = "0";
  long long magnitude = 0;
  std::size_t end = 0;  // where reading stopped
};

Scanned Scan(std::string_view text) {
  std::size_t i = 0;
  // The next character that is not a blank; blanks inside the number are
  // skipped like leading ones.
  const auto peek = [&]() -> char {
    while (i < text.size() && IsBlank(text[i])) ++i;
    return i < text.size() ? text[i] : '\0';
  };

  bool negative = false;
  if (peek() == '+' || peek() == '-') negative = text[i++] == '-';
  std::string digits;          // every mantissa digit, leading zeros removed
  long long magnitude = 0;     // digits before the point that are significant
  bool any = false;            // at least one mantissa digit was read
  while (IsDigit(peek())) {
    any = true;
    if (!(digits.empty() && text[i] == '0')) {
      digits += text[i];
      ++magnitude;
    }
    ++i;
  }
  if (peek() == '.') {
    ++i;
    while (IsDigit(peek())) {
      any = true;
      if (digits.empty() && text[i] == '0')
        --magnitude;  // a zero between the point and the first significant digit
      else
        digits += text[i];
      ++i;
    }
  }
  Scanned s;
  if (!any) {
    s.end = 0;  // no number: the whole text is ignored
    return s;
  }

  // An exponent counts only when at least one digit follows its letter.
  const char e = peek();
  if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
    const std::size_t mark = ++i;
    bool expNegative = false;
    if (peek() == '+' || peek() == '-') expNegative = text[i++] == '-';
    long long exponent = 0;
    bool expDigits = false;
    while (IsDigit(peek())) {
      expDigits = true;
      if (exponent < 1000000000LL) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (expDigits) magnitude += expNegative ? -exponent : exponent;
    else i = mark - 1;
  }
  s.end = i;
  if (digits.empty()) return s;  // zero
  // Far outside every float and double: keep the exponent small enough to
  // write, the outcome (overflow or zero) is the same.
  if (magnitude > 400) magnitude = 400;
  if (magnitude < -400) magnitude = -400;
  s.canonical = std::string(negative ? "-" : "") + "0." + digits + "e" + std::to_string(magnitude);
  s.magnitude = magnitude;
  return s;
}

// Parses the canonical form. A result too small for T reads as 0; one too
// large gives false.
template <typename T>
bool Parse(const Scanned& s, T* out) {
  T v = 0;
  const auto r = std::from_chars(s.canonical.data(), s.canonical.data() + s.canonical.size(), v);
  if (r.ec == std::errc::result_out_of_range) {
    if (s.magnitude > 0) return false;
    v = 0;
  } else if (r.ec != std::errc()) {
    v = 0;
  }
  *out = v;
  return true;
}

// Rounds to the nearest integer, an exact half going to the even neighbour.
double RoundHalfEven(double d) {
  const double down = std::floor(d);
  const double rest = d - down;
  if (rest > 0.5) return down + 1.0;
  if (rest < 0.5) return down;
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

}  // namespace

bool ReadFloat(std::string_view text, float* value) {
  float v = 0.0f;
  if (!Parse(Scan(text), &v)) return false;
  *value = v;
  return true;
}

bool ReadInteger(std::string_view text, std::int32_t* value) {
  double d = 0.0;
  if (!Parse(Scan(text), &d)) return false;
  const double r = RoundHalfEven(d);
  if (r < -2147483648.0 || r > 2147483647.0) return false;
  *value = static_cast<std::int32_t>(r);
  return true;
}

bool ReadCount(std::string_view text, std::int32_t* count) {
  std::int32_t v = 0;
  if (!ReadInteger(text, &v) || v < 0 || v > kMaxCount) return false;
  *count = v;
  return true;
}

std::string FileNumber(float value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0.0f) return "0";

  // The shortest digits that read back to the same float; when those need
  // more than 7 digits, the value rounded to 7 significant digits.
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
  std::string sci(buf, r.ptr);  // "d.dddde+XX"
  std::size_t epos = sci.find('e');
  if (epos > 8) {  // more than 7 digits: "d." and 6 decimals at most
    r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 6);
    sci.assign(buf, r.ptr);
    epos = sci.find('e');
  }
  std::string digits = sci.substr(0, 1) + (epos > 1 ? sci.substr(2, epos - 2) : "");
  int exponent = 0;
  const char* expBegin = sci.data() + epos + 1;
  if (*expBegin == '+') ++expBegin;
  std::from_chars(expBegin, sci.data() + sci.size(), exponent);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text;
  if (exponent < -4 || exponent >= 7) {
    text = digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    const int mag = exponent < 0 ? -exponent : exponent;
    text += std::string("E") + (exponent < 0 ? "-" : "+") + (mag < 10 ? "0" : "") +
            std::to_string(mag);
  } else if (exponent >= 0) {
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      text = digits + std::string(whole - digits.size(), '0');
    } else {
      text = digits.substr(0, whole) + "." + digits.substr(whole);
    }
  } else {
    // Below 1: no zero before the point.
    text = "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return value < 0 ? "-" + text : text;
}

std::string IgnoredText(std::string_view text) {
  const std::size_t end = Scan(text).end;
  std::string rest(text.substr(end < text.size() ? end : text.size()));
  while (!rest.empty() && IsBlank(rest.back())) rest.pop_back();
  std::size_t first = 0;
  while (first < rest.size() && IsBlank(rest[first])) ++first;
  return rest.substr(first);
}

std::string FileNumber(std::int32_t value) { return std::to_string(value); }

std::string DisplayNumber(float value) {
  const std::string text = FileNumber(value);
  return text[0] == '-' ? text : " " + text;
}

std::string DisplayNumber(std::int32_t value) {
  return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

}  // namespace fe
