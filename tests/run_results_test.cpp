// The results the engine records against the report it writes: every golden
// input is run through the library, and its recorded checks and messages must
// match the report line for line, the recorded figures must be the printed
// ones, and a converged design's geometry the converged-design block's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "engine_library.h"
#include "file_names.h"
#include "input_defaults.h"
#include "input_file.h"
#include "run_engine.h"
#include "run_results.h"
#include "test_support.h"

namespace keldor_test {
namespace {

const std::string kGolden = KELDOR_GOLDEN_DIR;

using Lines = std::vector<std::string>;

Lines SplitCrLf(const std::string& text) {
  Lines lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

fe::EngineLibrary& Library() {
  std::string error;
  fe::EngineLibrary* e = fe::EngineAt(ProgramFolder() + "/libkeldor.so", &error);
  if (e == nullptr) ADD_FAILURE() << error;
  return *e;
}

// Runs an input file through the library in `folder`; returns the report's lines.
Lines RunInput(const std::string& input, const TempFolder& folder) {
  fe::InputRecord r;
  fe::InitialiseInput(r, KELDOR_ENGLISH);
  std::string error;
  EXPECT_TRUE(fe::LoadInputFile(r, input, &error)) << error;
  EXPECT_TRUE(fe::SetOutputFile(r, folder / "r.out", &error)) << error;
  InFolder in(folder.path());
  fe::RunEngine(Library(), r);
  return SplitCrLf(ReadFile(folder / "r.out"));
}

// A check line ends in its verdict; the one tension failure names it.
enum class LineKind { Okay, Ng, Message, Other };
LineKind KindOf(const std::string& line) {
  if (EndsWith(line, " OKAY")) return LineKind::Okay;
  if (EndsWith(line, " NG ***") || EndsWith(line, " NG: PILE IS IN TENSION ***"))
    return LineKind::Ng;
  if (EndsWith(line, " ***")) return LineKind::Message;
  return LineKind::Other;
}

// The numbers printed on a line, as magnitudes.
std::vector<double> Numbers(const std::string& line) {
  static const std::regex number(R"(-?(\d+\.?\d*|\.\d+)(E[-+]\d+)?)");
  std::vector<double> v;
  for (std::sregex_iterator m(line.begin(), line.end(), number), end; m != end; ++m)
    v.push_back(std::fabs(std::stod(m->str())));
  return v;
}

// Printed to four significant digits (`digits` 3 for safety factors): within
// half a unit of the last digit.
bool Near(double printed, float value, int digits = 4) {
  const double share = digits == 3 ? 6e-3 : 6e-4;
  return std::fabs(printed - std::fabs(static_cast<double>(value))) <=
         share * std::max(printed, std::fabs(static_cast<double>(value))) + 1e-30;
}

std::vector<std::string> GoldenNames() { return keldor_test::InputNames(kGolden); }

class RecordedResults : public ::testing::TestWithParam<std::string> {};

TEST_P(RecordedResults, MatchTheReportLineForLine) {
  TempFolder run;
  const Lines report = RunInput(kGolden + "/" + GetParam() + ".in", run);
  ASSERT_FALSE(report.empty());
  const fe::RunResults r = fe::ReadRunResults(Library());
  ASSERT_TRUE(r.available());

  std::multimap<int, const fe::CheckResult*> checks;
  for (const fe::CheckResult& c : r.checks) checks.emplace(c.line, &c);
  std::multimap<int, const fe::MessageResult*> messages;
  for (const fe::MessageResult& m : r.messages) messages.emplace(m.line, &m);

  for (int n = 1; n <= static_cast<int>(report.size()); ++n) {
    const std::string& line = report[static_cast<std::size_t>(n - 1)];
    const LineKind kind = KindOf(line);
    const auto [c0, c1] = checks.equal_range(n);
    const auto rows = std::distance(c0, c1);
    const auto said = messages.count(n);
    switch (kind) {
      case LineKind::Okay:
      case LineKind::Ng: {
        ASSERT_EQ(rows, 1) << "line " << n << ": " << line;
        EXPECT_EQ(said, 0u) << "line " << n << ": " << line;
        const fe::CheckResult& c = *c0->second;
        EXPECT_EQ(c.passes, kind == LineKind::Okay) << "line " << n << ": " << line;
        // Every printed figure is the recorded demand or limit.
        const int digits = line.find(" SF ") != std::string::npos ? 3 : 4;
        for (double printed : Numbers(line))
          EXPECT_TRUE(Near(printed, c.demand, digits) || Near(printed, c.limit, digits))
              << "line " << n << ": " << line << "\n  recorded " << c.demand << ", " << c.limit;
        EXPECT_GE(c.combination, c.place == KELDOR_AT_STEM_BASE ? 0 : 1) << line;
        break;
      }
      case LineKind::Message:
        ASSERT_EQ(said, 1u) << "line " << n << ": " << line;
        EXPECT_EQ(messages.find(n)->second->text, Trim(line));
        // A message may stand for a failed check; it never passes.
        EXPECT_LE(rows, 1) << line;
        for (auto c = c0; c != c1; ++c) EXPECT_FALSE(c->second->passes) << line;
        break;
      case LineKind::Other:
        EXPECT_EQ(rows, 0) << "line " << n << ": " << line;
        EXPECT_EQ(said, 0u) << "line " << n << ": " << line;
        break;
    }
  }
  // Nothing recorded past the report's end or before its start.
  for (const fe::CheckResult& c : r.checks) EXPECT_TRUE(c.line >= 1 && c.line <= static_cast<int>(report.size()));
  for (const fe::MessageResult& m : r.messages) EXPECT_TRUE(m.line >= 1 && m.line <= static_cast<int>(report.size()));
}

// The run record says what the report says of the outcome.
TEST_P(RecordedResults, OutcomeAndGeometryAreTheReported) {
  TempFolder run;
  const Lines report = RunInput(kGolden + "/" + GetParam() + ".in", run);
  const fe::RunResults r = fe::ReadRunResults(Library());
  const bool has = [&report](const std::string& line) {
    return std::find(report.begin(), report.end(), line) != report.end();
  }(" C O N V E R G E D   D E S I G N");
  const bool stopped = std::find(report.begin(), report.end(),
                                 " PILEBAT and PILEV cannot both be zero ***") != report.end();
  EXPECT_EQ(r.status, stopped ? KELDOR_STOPPED : KELDOR_COMPLETE);
  EXPECT_EQ(r.converged, has);
  if (!r.design()) {
    EXPECT_TRUE(r.analysed);
  }
  if (!has) return;
  ASSERT_TRUE(r.analysed);

  const auto value = [&report](const std::string& label) {
    for (const std::string& line : report)
      if (line.rfind(label, 0) == 0) return Numbers(line).at(0);
    ADD_FAILURE() << "no line " << label;
    return 0.0;
  };
  const fe::GeometryResult& g = r.geometry;
  EXPECT_TRUE(Near(value(" WALL BATTER "), g.BW));
  EXPECT_TRUE(Near(value(" FOOTING THICKNESS "), g.TF));
  EXPECT_TRUE(Near(value(" TOE WIDTH "), g.WT));
  EXPECT_TRUE(Near(value(" FOOTING WIDTH "), g.WF));
  EXPECT_TRUE(Near(value(" KEY DEPTH "), g.DK));
  EXPECT_TRUE(Near(value(" STEEL AREA AT WALL "), g.ASW));
  EXPECT_TRUE(Near(value(" STEEL AREA AT FOOTING TOP "), g.ASFTOP));
  EXPECT_TRUE(Near(value(" STEEL AREA AT FOOTING BOT "), g.ASFBOT));
  EXPECT_FLOAT_EQ(g.heel, g.WF - g.WT - g.stemBase);
  if (r.foundation == KELDOR_PILE_FOOTING) {
    EXPECT_FALSE(r.piles.empty());
    for (const fe::PileRowResult& p : r.piles) EXPECT_GE(p.maxLoad, p.minLoad);
  }
}

INSTANTIATE_TEST_SUITE_P(Golden, RecordedResults, ::testing::ValuesIn(GoldenNames()),
                         [](const auto& test) { return Identifier(test.param); });

// A run that cannot create its report leaves no results, not the last run's.
TEST(RecordedResults, ARunWithoutAReportLeavesNoResults) {
  TempFolder run;
  RunInput(kGolden + "/review-irregular-si.in", run);
  ASSERT_TRUE(fe::ReadRunResults(Library()).available());

  fe::InputRecord r;
  fe::InitialiseInput(r, KELDOR_ENGLISH);
  std::string error;
  ASSERT_TRUE(fe::LoadInputFile(r, kGolden + "/review-irregular-si.in", &error)) << error;
  r.OUTPATH.set(run / "no-such-folder/r.out");
  {
    InFolder in(run.path());
    fe::RunEngine(Library(), r);
  }
  const fe::RunResults none = fe::ReadRunResults(Library());
  EXPECT_FALSE(none.available());
  EXPECT_TRUE(none.checks.empty());
  EXPECT_TRUE(none.messages.empty());
  EXPECT_EQ(fe::SummaryLine(none), "No results: the analysis did not finish");
}

// Out-of-range indices give blanks and zeros, never another row.
TEST(RecordedResults, AccessorsOutOfRangeGiveNothing) {
  TempFolder run;
  RunInput(kGolden + "/review-irregular-si.in", run);
  const fe::EngineLibrary& e = Library();
  for (std::int32_t k : {0, -1, 100000}) {
    std::int32_t line = 7, place = 7, lc = 7, lset = 7, kind = 7;
    float d = 1, l = 1, q = 1;
    char verdict[4] = {'x', 'x', 'x', 'x'};
    e.GETCHK(&k, &line, &place, &lc, &lset, &kind, &d, &l, &q, verdict);
    EXPECT_EQ(line, 0);
    EXPECT_EQ(kind, 0);
    EXPECT_EQ(std::string(verdict, 4), "    ");
    char text[132];
    e.GETMSG(&k, &line, text);
    EXPECT_EQ(line, 0);
    EXPECT_EQ(std::string(text, 132), std::string(132, ' '));
  }
}

}  // namespace
}  // namespace keldor_test
