// A converged design checked by a review: every design input of
// tests/golden whose search converges is run, its reported geometry and steel
// (and pile layout) are entered as a review input, and the review's report
// from the weights section on must be the design report's final analysis.
//
// The reported batter and steel areas carry four significant digits, so the
// review works with values rounded by up to half a unit of the fourth digit.
// A line may differ only in its numbers, each by no more than that rounding
// can make: kRoundingShare of its value (and a verdict that depends on
// them may change with them). The differences are listed on standard output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace keldor_test {
namespace {

const std::string kGolden = KELDOR_GOLDEN_DIR;

// Four significant digits leave a relative error of up to 5E-4 in an input;
// results that are proportional to it, printed to four digits themselves,
// move by up to about twice that.
constexpr double kRoundingShare = 1.5e-3;

using Lines = std::vector<std::string>;

Lines SplitLines(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string Trim(const std::string& s) {
  const auto b = s.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// The value after " = " of the first report line that starts with `label`.
std::string ValueOf(const Lines& report, const std::string& label) {
  for (const std::string& line : report)
    if (line.rfind(label, 0) == 0) return Trim(line.substr(line.find(" = ") + 3));
  ADD_FAILURE() << "no line " << label;
  return "0";
}

// The comma-separated fields of an input line.
Lines Fields(const std::string& line) {
  Lines fields;
  std::stringstream in(line);
  std::string f;
  while (std::getline(in, f, ',')) fields.push_back(f);
  return fields;
}

std::string Join(const Lines& fields) {
  std::string s;
  for (std::size_t i = 0; i < fields.size(); ++i) s += (i ? "," : "") + fields[i];
  return s;
}

// The review input of a design input: review mode, the reported geometry in
// place of the design limits, the reported steel, and for a pile footing the
// reported rows.
std::string ReviewInput(const std::string& designInput, const Lines& report) {
  Lines in = SplitLines(designInput);
  Lines options = Fields(in[1]);
  options[1] = "2";
  in[1] = Join(options);
  const int soil = std::stoi(options[3]), foot = std::stoi(options[4]);
  std::size_t at = 10;  // the NLC line
  at += 1 + static_cast<std::size_t>(std::stoi(in[at]));
  if (soil == 1) {
    at += 2;
  } else {
    at += 1;
    at += 1 + static_cast<std::size_t>(std::stoi(in[at]));
    at += 1 + static_cast<std::size_t>(std::stoi(in[at]));
  }
  const std::string twmin = Fields(in[at])[0];
  in[at] = Join({twmin, ValueOf(report, " WALL BATTER "), ValueOf(report, " FOOTING THICKNESS "),
                 ValueOf(report, " KEY DEPTH "), ValueOf(report, " TOE WIDTH "),
                 ValueOf(report, " FOOTING WIDTH ")});
  in.insert(in.begin() + static_cast<long>(at) + 1,
            Join({ValueOf(report, " STEEL AREA AT WALL "),
                  ValueOf(report, " STEEL AREA AT FOOTING TOP "),
                  ValueOf(report, " STEEL AREA AT FOOTING BOT ")}));
  if (foot == 2) {
    const auto layout = std::find(report.begin(), report.end(), " ROW   DISTANCE    BATTER      SPACING");
    Lines rows;
    for (auto it = layout + 3; it != report.end() && !it->empty(); ++it) {
      std::istringstream row(*it);
      std::string n, x, b, s;
      row >> n >> x >> b >> s;
      rows.push_back(Join({x, b, s}));
    }
    in.push_back(std::to_string(rows.size()));
    in.insert(in.end(), rows.begin(), rows.end());
  }
  std::string text;
  for (const std::string& line : in) text += line + "\r\n";
  return text;
}

// The lines from the weights section on.
Lines FinalAnalysis(const Lines& report) {
  const auto it = std::find(report.begin(), report.end(),
                            " W E I G H T   A N D   R I G H T I N G   M O M E N T");
  return Lines(it, report.end());
}

// The line with every number replaced by "#", and its numbers.
std::string Shape(const std::string& line, std::vector<double>& numbers) {
  std::string shape;
  std::size_t i = 0;
  while (i < line.size()) {
    const char* start = line.c_str() + i;
    char* end = nullptr;
    const bool maybe = std::isdigit(static_cast<unsigned char>(line[i])) ||
                       ((line[i] == '-' || line[i] == '.') && i + 1 < line.size() &&
                        (std::isdigit(static_cast<unsigned char>(line[i + 1])) || line[i + 1] == '.'));
    const double v = maybe ? std::strtod(start, &end) : 0.0;
    if (maybe && end != start) {
      numbers.push_back(v);
      shape += '#';
      i += static_cast<std::size_t>(end - start);
    } else {
      shape += line[i++];
    }
  }
  return shape;
}

bool WithinRounding(double a, double b) {
  return std::fabs(a - b) <= kRoundingShare * std::max(std::fabs(a), std::fabs(b));
}

// A verdict follows its numbers: a check line whose numbers moved may pass
// in one report and fail in the other.
std::string WithoutVerdict(std::string shape) {
  for (const char* v : {" OKAY", " NG ***"})
    if (shape.size() >= std::string(v).size() &&
        shape.compare(shape.size() - std::string(v).size(), std::string::npos, v) == 0)
      shape.resize(shape.size() - std::string(v).size());
  for (char& c : shape)
    if (c == '<' || c == '>') c = '?';
  return shape;
}

std::vector<std::string> DesignNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(kGolden)) {
    const std::string stem = entry.path().stem().string();
    if (entry.path().extension() == ".in" && stem.rfind("design-", 0) == 0) names.push_back(stem);
  }
  std::sort(names.begin(), names.end());
  return names;
}

class DesignReview : public ::testing::TestWithParam<std::string> {};

TEST_P(DesignReview, ReviewOfTheReportedDesignRepeatsItsFinalAnalysis) {
  const std::string name = GetParam();
  TempFolder run;
  const std::string designInput = ReadFile(kGolden + "/" + name + ".in");
  Outcome o = RunProgram(ProgramFolder() + "/keldor-run",
                         {"-o", run / "design.out", kGolden + "/" + name + ".in"}, run.path());
  ASSERT_EQ(o.status, 0) << o.err;
  const Lines design = SplitLines(ReadFile(run / "design.out"));
  if (std::find(design.begin(), design.end(), " C O N V E R G E D   D E S I G N") == design.end())
    GTEST_SKIP() << "no converged design";

  WriteFile(run / "review.in", ReviewInput(designInput, design));
  o = RunProgram(ProgramFolder() + "/keldor-run", {"-o", run / "review.out", run / "review.in"},
                 run.path());
  ASSERT_EQ(o.status, 0) << o.err;
  const Lines designed = FinalAnalysis(design);
  const Lines reviewed = FinalAnalysis(SplitLines(ReadFile(run / "review.out")));
  ASSERT_FALSE(designed.empty());
  ASSERT_EQ(reviewed.size(), designed.size());
  for (std::size_t i = 0; i < designed.size(); ++i) {
    if (reviewed[i] == designed[i]) continue;
    std::vector<double> a, b;
    const std::string sa = Shape(designed[i], a), sb = Shape(reviewed[i], b);
    EXPECT_EQ(WithoutVerdict(sa), WithoutVerdict(sb)) << designed[i] << "\n" << reviewed[i];
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t k = 0; k < a.size(); ++k)
      EXPECT_TRUE(WithinRounding(a[k], b[k])) << "design: " << designed[i] << "\nreview: " << reviewed[i];
    std::cout << name << ": design \"" << designed[i] << "\"\n" << std::string(name.size(), ' ')
              << "  review \"" << reviewed[i] << "\"\n";
  }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string s = info.param;
  for (char& c : s)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return s;
}

INSTANTIATE_TEST_SUITE_P(Golden, DesignReview, ::testing::ValuesIn(DesignNames()), TestName);

}  // namespace
}  // namespace keldor_test
