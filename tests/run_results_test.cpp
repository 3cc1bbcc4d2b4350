// The results the engine records against the report it writes: every golden
// input is run through the library, and its recorded checks and messages must
// match the report line for line, the recorded figures must be the printed
// ones, a converged design's geometry the converged-design block's, and each
// soil pressure block of the stability analysis must have its base reaction
// (the pile loads of every combination reaching the extremes the pile rows
// record).
#include <cstring>
#include <map>

#include "library_run.h"
#include "wall_drawing.h"

namespace keldor_test {
namespace {

const std::string kGolden = KELDOR_GOLDEN_DIR;

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
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

class RecordedResults : public ::testing::TestWithParam<std::string> {};

TEST_P(RecordedResults, MatchTheReport) {
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
          EXPECT_TRUE(Near(printed, std::fabs(c.demand), digits) ||
                      Near(printed, std::fabs(c.limit), digits))
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

  // The run record says what the report says of the outcome.
  const bool has = std::find(report.begin(), report.end(), " C O N V E R G E D   D E S I G N") !=
                   report.end();
  const bool stopped = std::find(report.begin(), report.end(),
                                 " PILEBAT and PILEV cannot both be zero ***") != report.end();
  EXPECT_EQ(r.status, stopped ? KELDOR_STOPPED : KELDOR_COMPLETE);
  EXPECT_EQ(r.converged, has);
  if (!r.design()) {
    EXPECT_TRUE(r.analysed);
  }
  if (!has) return;
  ASSERT_TRUE(r.analysed);

  const fe::GeometryResult& g = r.geometry;
  for (const auto& [label, value] :
       {std::pair{" WALL BATTER ", g.BW}, {" FOOTING THICKNESS ", g.TF}, {" TOE WIDTH ", g.WT},
        {" FOOTING WIDTH ", g.WF}, {" KEY DEPTH ", g.DK}, {" STEEL AREA AT WALL ", g.ASW},
        {" STEEL AREA AT FOOTING TOP ", g.ASFTOP}, {" STEEL AREA AT FOOTING BOT ", g.ASFBOT}}) {
    const auto line =
        std::find_if(report.begin(), report.end(),
                     [prefix = label](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    ASSERT_NE(line, report.end()) << label;
    EXPECT_TRUE(Near(std::stod(line->substr(line->find('=') + 1)), value)) << *line;
  }
  EXPECT_FLOAT_EQ(g.heel, g.WF - g.WT - g.stemBase);
  if (r.foundation == KELDOR_PILE_FOOTING) {
    EXPECT_FALSE(r.piles.empty());
    for (const fe::PileRowResult& p : r.piles) EXPECT_GE(p.maxLoad, p.minLoad);
  }
}

INSTANTIATE_TEST_SUITE_P(Golden, RecordedResults, ::testing::ValuesIn(InputNames(kGolden)),
                         [](const auto& test) { return Identifier(test.param); });

class BaseReactions : public ::testing::TestWithParam<std::string> {};

TEST_P(BaseReactions, MatchTheStabilitySection) {
  TempFolder folder;
  const Lines report = RunInput(kGolden + "/" + GetParam() + ".in", folder);
  const fe::RunResults run = fe::ReadRunResults(Library());

  // The eccentricities and pressures the stability section prints.
  std::vector<double> e, toe, heel;
  int combinations = 0;
  bool stability = false;
  for (const std::string& line : report) {
    if (line.find(" E X T E R N A L   S T A B I L I T Y") == 0 ||
        line.find(" P I L E   A N A L Y S I S") == 0)
      stability = true;
    else if (line.find(" F O O T I N G   D E S I G N") == 0)
      stability = false;
    if (!stability) continue;
    if (line.rfind(" LOAD COMBINATION ", 0) == 0) ++combinations;
    for (auto [label, values] : {std::pair{"     Eccentricity  = ", &e}, {"     Toe pressure  = ", &toe},
                                 {"     Heel pressure = ", &heel}})
      if (line.rfind(label, 0) == 0) values->push_back(std::stod(line.substr(std::strlen(label))));
  }

  if (run.foundation == KELDOR_PILE_FOOTING) {
    // One reaction per combination whose pile group could be analysed, and
    // the rows' extremes are those of the reactions.
    EXPECT_LE(run.reactions.size(), static_cast<std::size_t>(combinations));
    for (std::size_t j = 0; j < run.piles.size(); ++j) {
      float most = NAN;
      for (const fe::BaseReactionResult& b : run.reactions) {
        ASSERT_EQ(b.pileLoads.size(), run.piles.size());
        if (!(most >= b.pileLoads[j])) most = b.pileLoads[j];
      }
      if (!run.reactions.empty()) {
        EXPECT_EQ(most, run.piles[j].maxLoad) << "row " << j + 1;
      }
    }
    return;
  }
  ASSERT_EQ(run.reactions.size(), e.size());
  std::size_t t = 0, h = 0;
  for (std::size_t k = 0; k < e.size(); ++k) {
    const fe::BaseReactionResult& b = run.reactions[k];
    EXPECT_TRUE(Near(e[k], b.eccentricity)) << k << ": " << e[k] << " " << b.eccentricity;
    if (std::fabs(b.eccentricity) >= 0.5f * run.geometry.WF) continue;  // no pressures printed
    ASSERT_LT(t, toe.size());
    EXPECT_TRUE(Near(toe[t++], b.toe)) << k;
    if (std::fabs(b.eccentricity) <= run.geometry.WF / 6) {
      ASSERT_LT(h, heel.size());
      EXPECT_TRUE(Near(heel[h++], b.heel)) << k;
    }
  }
  EXPECT_EQ(t, toe.size());
  EXPECT_EQ(h, heel.size());

  // The drawing of the run: its wall, and a diagram for the governing one.
  const fe::DrawingResults drawn = fe::DrawingResultsOf(run);
  EXPECT_EQ(drawn.combinations.size(), run.reactions.size());
  if (run.analysed) {
    EXPECT_EQ(drawn.WF, run.geometry.WF);
  }
}

INSTANTIATE_TEST_SUITE_P(Golden, BaseReactions, ::testing::ValuesIn(InputNames(kGolden)),
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
