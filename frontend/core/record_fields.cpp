#include "record_fields.h"

#include <charconv>
#include <sstream>
#include <type_traits>

namespace fe {

float* FloatField(InputRecord& r, const std::string& name) {
  float* found = nullptr;
  VisitFields(r, [&](const char* n, auto& field) {
    if constexpr (std::is_same_v<std::decay_t<decltype(field)>, float>) {
      if (name == n) found = &field;
    }
  });
  return found;
}

namespace {

// The shortest text that reads back to exactly this float.
std::string Exact(float v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

template <typename T>
std::string Text(const T& v) {
  if constexpr (std::is_same_v<T, float>) {
    return Exact(v);
  } else if constexpr (std::is_same_v<T, RecordArray>) {
    std::string s = "[";
    for (int i = 1; i <= v.size(); ++i) s += (i > 1 ? "," : "") + Exact(v(i));
    return s + "]";
  } else if constexpr (std::is_same_v<T, std::string>) {
    return "\"" + v + "\"";
  } else if constexpr (std::is_same_v<T, bool>) {
    return v ? "true" : "false";
  } else if constexpr (std::is_integral_v<T>) {
    return std::to_string(v);
  } else {
    return "\"" + v.str() + "\"";  // fixed-width text, blanks included
  }
}

}  // namespace

std::string Describe(const InputRecord& r) {
  std::ostringstream out;
  VisitFields(r, [&](const char* name, const auto& field) { out << name << '=' << Text(field) << '\n'; });
  return out.str();
}

bool operator==(const InputRecord& a, const InputRecord& b) {
  // Visits both records in step: the field lists are identical.
  std::vector<std::string> left;
  VisitFields(a, [&](const char*, const auto& field) { left.push_back(Text(field)); });
  bool equal = true;
  std::size_t i = 0;
  VisitFields(b, [&](const char*, const auto& field) {
    if (left[i++] != Text(field)) equal = false;
  });
  return equal;
}

void TakeSessionState(InputRecord& to, const InputRecord& from) {
  to.InputValid = from.InputValid;
  to.CurrentRecord = from.CurrentRecord;
  to.Refreshing = from.Refreshing;
  to.INPATH = from.INPATH;
  to.OUTPATH = from.OUTPATH;
  to.INFILE = from.INFILE;
  to.OUTFILE = from.OUTFILE;
  to.VERSION = from.VERSION;
}

bool SameInput(const InputRecord& a, const InputRecord& b) {
  InputRecord c = a;
  TakeSessionState(c, b);
  return c == b;
}

}  // namespace fe
