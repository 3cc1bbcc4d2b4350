#include "document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace verification {

namespace {

struct Document {
  std::string path, text;
  bool update = false, changed = false, loaded = false;
};

Document& Doc() {
  static Document doc;
  return doc;
}

std::string Percent(double fraction) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f %%", 100.0 * fraction);
  return buf;
}

}  // namespace

std::string Tolerance::text() const {
  if (below == above) return "± " + Percent(above);
  return "-" + Percent(below) + " to +" + Percent(above);
}

Tolerance Within(double fraction) { return {fraction, fraction}; }

std::string Table::markdown() const {
  auto line = [](const std::vector<std::string>& cells) {
    std::string s = "|";
    for (const std::string& c : cells) s += " " + c + " |";
    return s + "\n";
  };
  std::string s = line(header_);
  s += "|";
  for (std::size_t k = 0; k < header_.size(); ++k) s += "---|";
  s += "\n";
  for (const auto& r : rows_) s += line(r);
  return s;
}

std::string Fixed(double value, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  std::string s = buf;
  if (s.rfind("-0", 0) == 0 && std::stod(s) == 0.0) s.erase(0, 1);  // no "-0.000"
  return s;
}

std::string Significant(double value, int digits) {
  if (value == 0.0) return "0";
  const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  return Fixed(value, std::max(0, digits - 1 - magnitude));
}

std::vector<std::string> Compared(const std::string& what, double reference, double program,
                                  int digits, const Tolerance& tolerance) {
  std::string difference;
  bool agrees;
  if (reference == 0.0) {
    agrees = program == 0.0;
    difference = agrees ? "0" : Significant(program, 3);
  } else {
    const double d = (program - reference) / std::fabs(reference);
    agrees = d >= -tolerance.below && d <= tolerance.above;
    difference = (d >= 0 ? "+" : "") + Percent(d);
    if (difference == "-0.000 %") difference = "+0.000 %";
  }
  if (!agrees)
    ADD_FAILURE() << what << ": program " << program << ", reference " << reference
                  << ", difference " << difference << " outside " << tolerance.text();
  return {Significant(program, digits), difference, tolerance.text(), agrees ? "agrees" : "FAILS"};
}

void OpenDocument(const std::string& path, bool update) {
  Document& d = Doc();
  d.path = path;
  d.update = update;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  d.text = s.str();
  d.loaded = static_cast<bool>(in);
}

void Publish(const std::string& name, const Table& table) {
  Document& d = Doc();
  ASSERT_TRUE(d.loaded) << "cannot read " << d.path;
  const std::string open = "<!-- table " + name + " -->\n", close = "<!-- end " + name + " -->";
  const std::size_t a = d.text.find(open);
  const std::size_t b = a == std::string::npos ? a : d.text.find(close, a);
  ASSERT_TRUE(a != std::string::npos && b != std::string::npos)
      << d.path << " has no place for the table " << name << ": add the lines\n"
      << open << close;
  const std::size_t from = a + open.size();
  const std::string built = table.markdown();
  if (d.text.compare(from, b - from, built) == 0) return;
  if (d.update) {
    d.text.replace(from, b - from, built);
    d.changed = true;
  } else {
    ADD_FAILURE() << "the table " << name << " of " << d.path
                  << " is not the program's; run verification_test --update. It should read:\n"
                  << built;
  }
}

bool FinishDocument() {
  Document& d = Doc();
  if (!d.update || !d.changed) return true;
  const std::string temporary = d.path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << d.text;
    out.close();
    if (!out) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), d.path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  std::printf("Updated %s\n", d.path.c_str());
  return true;
}

}  // namespace verification
