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
#include <array>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "input_defaults.h"
#include "input_file.h"
#include "number_text.h"
#include "test_support.h"

namespace keldor_test {
namespace {

const std::string kGolden = KELDOR_GOLDEN_DIR;

// Four significant digits leave a relative error of up to 5E-4 in an input;
// results that are proportional to it, printed to four digits themselves,
// move by up to about twice that.
constexpr double kRoundingShare = 1.5e-3;

using Lines = std::vector<std::string>;

// The number after " = " of the first report line that starts with `label`.
float ValueOf(const Lines& report, const std::string& label) {
  float v = 0.0f;
  for (const std::string& line : report)
    if (line.rfind(label, 0) == 0) {
      EXPECT_TRUE(fe::ReadFloat(line.substr(line.find(" = ") + 3), &v)) << line;
      return v;
    }
  ADD_FAILURE() << "no line " << label;
  return v;
}

// The review input of a design input: review mode, the reported geometry in
// place of the design limits, the reported steel, and for a pile footing the
// reported rows.
void WriteReviewInput(const std::string& designInput, const Lines& report, const std::string& path) {
  fe::InputRecord r;
  fe::InitialiseInput(r, 1);
  std::string error;
  ASSERT_TRUE(fe::LoadInputFile(r, designInput, &error)) << error;
  r.IMODE = 2;
  const auto value = [&report](const char* label) { return ValueOf(report, label); };
  r.BW = value(" WALL BATTER "), r.TF = value(" FOOTING THICKNESS "), r.DK = value(" KEY DEPTH ");
  r.WT = value(" TOE WIDTH "), r.WF = value(" FOOTING WIDTH "), r.ASW = value(" STEEL AREA AT WALL ");
  r.ASFTOP = value(" STEEL AREA AT FOOTING TOP "), r.ASFBOT = value(" STEEL AREA AT FOOTING BOT ");
  if (r.IFOOT == 2) {
    std::vector<std::array<float, 3>> rows;
    auto row = std::find(report.begin(), report.end(), " ROW   DISTANCE    BATTER      SPACING");
    for (row += 3; row < report.end() && !row->empty(); ++row) {
      std::istringstream fields(*row);
      float n, x, b, s;
      fields >> n >> x >> b >> s;
      rows.push_back({x, b, s});
    }
    r.NROWS = static_cast<std::int32_t>(rows.size());
    for (fe::RecordArray* a : {&r.PILEX, &r.PILEB, &r.PILES}) a->resize(r.NROWS);
    for (int j = 1; j <= r.NROWS; ++j)
      r.PILEX(j) = rows[j - 1][0], r.PILEB(j) = rows[j - 1][1], r.PILES(j) = rows[j - 1][2];
  }
  ASSERT_TRUE(fe::SaveInputFile(r, path, &error)) << error;
}

// The report's lines from the weights section on.
Lines FinalAnalysis(const std::string& report) {
  const Lines lines = SplitCrLf(report);
  return Lines(std::find(lines.begin(), lines.end(),
                         " W E I G H T   A N D   R I G H T I N G   M O M E N T"),
               lines.end());
}

// The line with every number replaced by "#" and its verdict (which follows
// the numbers) made neutral, and its numbers.
std::string Shape(const std::string& line, std::vector<double>& numbers) {
  static const std::regex number(R"(-?(\d+\.?\d*|\.\d+)(E[-+]\d+)?)");
  for (std::sregex_iterator m(line.begin(), line.end(), number), end; m != end; ++m)
    numbers.push_back(std::stod(m->str()));
  const std::string shape = std::regex_replace(line, number, "#");
  return std::regex_replace(std::regex_replace(shape, std::regex(" (OKAY|NG \\*\\*\\*)$"), ""),
                            std::regex("[<>]"), "?");
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
  const auto keldorRun = [&run](const std::string& input, const std::string& report) {
    const Outcome o = KeldorRun({"-o", run / report, input}, run.path());
    EXPECT_EQ(o.status, 0) << o.err;
    return ReadFile(run / report);
  };
  const std::string design = keldorRun(kGolden + "/" + name + ".in", "design.out");
  if (design.find("\r\n C O N V E R G E D   D E S I G N\r\n") == std::string::npos)
    GTEST_SKIP() << "no converged design";

  WriteReviewInput(kGolden + "/" + name + ".in", SplitCrLf(design), run / "review.in");
  const Lines designed = FinalAnalysis(design);
  const Lines reviewed = FinalAnalysis(keldorRun(run / "review.in", "review.out"));
  ASSERT_FALSE(designed.empty());
  ASSERT_EQ(reviewed.size(), designed.size());
  for (std::size_t i = 0; i < designed.size(); ++i) {
    if (reviewed[i] == designed[i]) continue;
    std::vector<double> a, b;
    EXPECT_EQ(Shape(designed[i], a), Shape(reviewed[i], b)) << designed[i] << "\n" << reviewed[i];
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t k = 0; k < a.size(); ++k)
      EXPECT_LE(std::fabs(a[k] - b[k]), kRoundingShare * std::max(std::fabs(a[k]), std::fabs(b[k])))
          << "design: " << designed[i] << "\nreview: " << reviewed[i];
    std::cout << name << ": design \"" << designed[i] << "\"\n" << std::string(name.size(), ' ')
              << "  review \"" << reviewed[i] << "\"\n";
  }
}

INSTANTIATE_TEST_SUITE_P(Golden, DesignReview, ::testing::ValuesIn(DesignNames()),
                         [](const auto& test) { return Identifier(test.param); });

}  // namespace
}  // namespace keldor_test
