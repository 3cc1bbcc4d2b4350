// keldor-run over many runs as a user runs it: several inputs and a range of
// one value, one process per analysis, the side files beside their reports,
// messages whole and in the order of the runs, the worst exit status; and the
// summary table of a study, whose CSV parses, has a row per run in the order
// of the runs, and whose numbers are, read back, the structured results of
// the same run made in this process.
#include <filesystem>

#include "library_run.h"
#include "summary_table.h"

namespace keldor_test {
namespace {

const std::string kGolden = KELDOR_SOURCE_DIR "/tests/golden/";

// On a terminal (here the pseudo-terminal of script(1)) a progress line
// counts the runs done (one at a time here) and is cleared before each run's
// lines.
TEST(KeldorRunStudy, AProgressLineOnlyOnATerminal) {
  TempFolder dir;
  WriteFile(dir / "w.in", ReadFile(kGolden + "review-pile-english.in"));
  const Outcome o = RunProgram(
      "/usr/bin/script", {"-qec", ProgramFolder() + "/keldor-run -j 1 --vary H=96:120:12 w.in", "/dev/null"},
      dir.path());
  EXPECT_EQ(o.status, 0) << o.out;
  for (const char* text : {"\rKeldor: 1 of 3 runs done, ", "\rKeldor: 2 of 3 runs done, ",
                           "s\r\033[KOutput written to w-H120.out\r\n"})
    EXPECT_NE(o.out.find(text), std::string::npos) << text << " in " << o.out;
  EXPECT_EQ(o.out.find("3 of 3"), std::string::npos);
}

// Runs that cannot be done are reported with their reasons, whole and in the
// order of the runs, and the others go on; the exit status is the worst.
TEST(KeldorRunStudy, FailingRunsAreReportedAndTheOthersFinish) {
  const std::string good = ReadFile(kGolden + "review-pile-english.in");
  struct Case {
    const char* why;
    std::vector<std::string> args;
    int status;
    std::string out, err;
    std::vector<std::string> written;
  };
  const Case cases[] = {
      {"broken and invalid inputs",
       {"-j", "2", "a.in", "broken.in", "invalid.in", "b.in"},
       2,
       "Output written to a.out\nOutput written to b.out\n",
       "Keldor: broken.in: Cannot load file broken.in: the file ends before the program options\n"
       "Keldor: invalid.in: Design height must be greater than zero\n"
       "Keldor: invalid.in: Concrete cover must be greater than zero\n",
       {"a.out", "a.dat", "b.out", "b.dat"}},
      {"a report that is a folder",
       {"a.in", "folder.in", "b.in"},
       1,
       "Output written to a.out\nOutput written to b.out\n",
       "Keldor: folder.in: Cannot write the report folder.out: it is a folder\n",
       {"a.out", "b.out"}},
      // A file of the side file's name that no run wrote is the user's.
      {"a file of the user's under the side file's name",
       {"a.in", "mine.in", "b.in"},
       2,
       "Output written to a.out\nOutput written to b.out\n",
       "Keldor: mine.in: The file mine.dat is not a side file of an earlier run; it is kept, "
       "and this run is not made.\n",
       {"a.out", "b.out", "mine.dat"}},
      // Two inputs of one name into one folder, and one input twice: the
      // first run keeps the files, the second writes nothing.
      {"runs that would write the same files",
       {"--out-dir", "out", "a.in", "sub/a.in", "b.in", "./b.in"},
       2,
       "Output written to out/a.out\nOutput written to out/b.out\n",
       "Keldor: sub/a.in: The report out/a.out would replace a file of another run of this study.\n"
       "Keldor: ./b.in: The report out/b.out would replace a file of another run of this study.\n",
       {"out/a.out", "out/a.dat", "out/b.out", "out/b.dat"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder dir;
    std::filesystem::create_directory(dir / "sub");
    for (const char* n : {"a.in", "b.in", "folder.in", "mine.in", "sub/a.in"}) WriteFile(dir / n, good);
    WriteFile(dir / "mine.dat", "station,height\n");
    WriteFile(dir / "broken.in", "1,2\r\n");
    WriteFile(dir / "invalid.in",
              Replaced(Replaced(ReadFile(kGolden + "startup-example.in"), "120,0,0", "0,0,0"),
                       "\r\n2,2,3", "\r\n0,2,3"));
    std::filesystem::create_directory(dir / "folder.out");
    const Outcome o = KeldorRun(c.args, dir.path());
    EXPECT_EQ(o.status, c.status);
    EXPECT_EQ(o.out, c.out);
    EXPECT_EQ(o.err, c.err);
    for (const std::string& f : c.written) EXPECT_TRUE(Exists(dir / f)) << f;
    EXPECT_FALSE(Exists(dir / "KELDOR.DAT"));
    EXPECT_FALSE(Exists(dir / "sub/a.out") || Exists(dir / "broken.out") || Exists(dir / "invalid.out") ||
                 Exists(dir / "mine.out"));
    EXPECT_EQ(ReadFile(dir / "mine.dat"), "station,height\n");
  }
}

using Row = std::vector<std::string>;

// An RFC 4180 table: quoted cells may hold commas, doubled quotes and line
// breaks; every line ends in CR LF.
std::vector<Row> ParseCsv(const std::string& text) {
  std::vector<Row> rows(1);
  std::string cell;
  bool quoted = false, wasQuoted = false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c = text[k];
    if (quoted) {
      if (c == '"' && k + 1 < text.size() && text[k + 1] == '"') {
        cell += '"';
        ++k;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
    } else if (c == '"' && cell.empty() && !wasQuoted) {
      quoted = wasQuoted = true;
    } else if (c == ',') {
      rows.back().push_back(cell);
      cell.clear();
      wasQuoted = false;
    } else if (c == '\r' && k + 1 < text.size() && text[k + 1] == '\n') {
      rows.back().push_back(cell);
      cell.clear();
      wasQuoted = false;
      rows.emplace_back();
      ++k;
    } else if (wasQuoted || c == '"' || c == '\r' || c == '\n') {
      ADD_FAILURE() << "stray character " << int(c) << " at " << k;
    } else {
      cell += c;
    }
  }
  EXPECT_TRUE(cell.empty() && rows.back().empty() && !quoted) << "the table must end in CR LF";
  rows.pop_back();
  return rows;
}

// A cell holds the float exactly, or is empty where there is none.
void ExpectNumber(const std::string& cell, float value, const std::string& what) {
  if (std::isnan(value)) {
    EXPECT_EQ(cell, "") << what;
    return;
  }
  ASSERT_FALSE(cell.empty()) << what;
  EXPECT_EQ(std::stof(cell), value) << what << ": " << cell;
}

// The study of one value: a run for every value, reports and side files named
// after it, each report with its own height, in the folder asked for; the
// varied value has its own column in the summary.
TEST(KeldorRunStudy, VaryRunsEveryValueAndNamesTheFilesAfterIt) {
  TempFolder dir;
  WriteFile(dir / "w.in", ReadFile(kGolden + "design-spread-english.in"));
  const Outcome o =
      KeldorRun({"--vary", "h=96:126:12", "--out-dir", "chart", "-j2", "--summary", "h.csv", "w.in"}, dir.path());
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out,
            "Output written to chart/w-H96.out\nOutput written to chart/w-H108.out\n"
            "Output written to chart/w-H120.out\nSummary written to h.csv\n");
  std::vector<Row> rows = {{"file", "H", "outcome"}};
  for (const auto& [value, line] : {std::pair{"96", " Design height           =  96.00    "},
                                    {"108", " Design height           =  108.0    "},
                                    {"120", " Design height           =  120.0    "}}) {
    const std::string report = ReadFile(dir / ("chart/w-H" + std::string(value) + ".out"));
    EXPECT_NE(report.find("\r\n" + std::string(line) + "\r\n"), std::string::npos) << value;
    EXPECT_NE(report.find(" Output file = w-H" + std::string(value) + ".out "), std::string::npos);
    EXPECT_TRUE(Exists(dir / ("chart/w-H" + std::string(value) + ".dat")));
    rows.push_back(Row{"w.in", value, "written"});
  }
  std::vector<Row> table = ParseCsv(ReadFile(dir / "h.csv"));
  ASSERT_EQ(table.size(), 4u);
  EXPECT_EQ(table[0][7], "footing width");
  // Each row is its own run's: the taller the wall, the wider its footing.
  EXPECT_LT(std::stof(table[1][7]), std::stof(table[2][7]));
  EXPECT_LT(std::stof(table[2][7]), std::stof(table[3][7]));
  for (Row& row : table) row.resize(3);
  EXPECT_EQ(table, rows);
  EXPECT_EQ(Entries(dir / "chart"), 6u);
  EXPECT_EQ(ReadFile(dir / "w.in"), ReadFile(kGolden + "design-spread-english.in"));
}

// Designs with and without passing trials, on piles and spread footings, and
// reviews, and an input that cannot be loaded: each report and side file of
// a study, at one and two analyses at once, is the one a single run gives
// (the golden files); the summary has a row per run in the order of the
// runs, each the structured results of the same run made in this process.
TEST(KeldorRunStudy, EveryRunGivesTheFilesOfASingleRunAndItsSummaryRow) {
  const std::vector<std::string> names = {"design-spread-english", "design-pile-si",
                                          "design-not-converged-english", "review-pile-english",
                                          "design-spread-volume-si", "review-irregular-si"};
  for (const char* jobs : {"1", "2"}) {
    SCOPED_TRACE(jobs);
    TempFolder dir;
    std::vector<std::string> args = {"-j", jobs, "--summary", "study.csv"};
    std::string expectedOut;
    for (const std::string& n : names) {
      WriteFile(dir / (n + ".in"), ReadFile(kGolden + n + ".in"));
      args.push_back(n + ".in");
      expectedOut += "Output written to " + n + ".out\n";
    }
    WriteFile(dir / "broken.in", "1\r\n");
    args.push_back("broken.in");
    const Outcome o = KeldorRun(args, dir.path());
    EXPECT_EQ(o.status, 2) << o.err;
    // No progress line: standard error is a file.
    EXPECT_EQ(o.err, "Keldor: broken.in: Cannot load file broken.in: the file ends before the program options\n");
    EXPECT_EQ(o.out, expectedOut + "Summary written to study.csv\n");
    for (const std::string& n : names) {
      EXPECT_TRUE(MaskRunLine(ReadFile(dir / (n + ".out"))) == MaskRunLine(ReadFile(kGolden + n + ".out")))
          << n;
      const std::string side = Exists(kGolden + n + ".dat") ? ReadFile(kGolden + n + ".dat") : "";
      EXPECT_TRUE(ReadFile(dir / (n + ".dat")) == side) << n;
    }
    // Nothing else: no KELDOR.DAT, no working folder left behind.
    EXPECT_EQ(Entries(dir.path()), 3 * names.size() + 2);

    const std::vector<Row> rows = ParseCsv(ReadFile(dir / "study.csv"));
    ASSERT_EQ(rows.size(), names.size() + 2);
    Row titles = {"file"};
    for (const std::string& t : fe::SummaryColumns()) titles.push_back(t);
    EXPECT_EQ(rows[0], titles);
    for (std::size_t k = 0; k < names.size(); ++k) {
      const Row& row = rows[k + 1];
      ASSERT_EQ(row.size(), titles.size()) << names[k];
      EXPECT_EQ(row[0], names[k] + ".in");
      TempFolder own;
      RunInput(dir / (names[k] + ".in"), own);  // the same run in this process
      const fe::RunResults r = fe::ReadRunResults(Library());
      const fe::GeometryResult& g = r.geometry;
      EXPECT_EQ(row[1], "written");
      EXPECT_EQ(row[2], fe::UnitSystemName(r.units));
      EXPECT_EQ(row[3], fe::ModeName(r.mode));
      EXPECT_EQ(row[4], r.design() ? (r.converged ? "yes" : "no") : "");
      const float none = std::nanf("");
      const bool a = r.analysed;
      const bool piles = r.foundation == KELDOR_PILE_FOOTING;
      ExpectNumber(row[5], a ? g.WT : none, "toe width");
      ExpectNumber(row[6], a ? g.WF : none, "footing width");
      ExpectNumber(row[7], a ? g.TF : none, "footing thickness");
      ExpectNumber(row[8], a ? g.DK : none, "key depth");
      ExpectNumber(row[9], a && piles ? g.NPILES : none, "piles");
      ExpectNumber(row[10], a ? g.ASW : none, "steel at wall");
      ExpectNumber(row[11], a ? g.ASFTOP : none, "steel at footing top");
      ExpectNumber(row[12], a ? g.ASFBOT : none, "steel at footing bottom");
      float sliding = INFINITY, overturning = INFINITY, bearing = -INFINITY;
      for (const fe::CheckResult& c : r.checks) {
        if (c.kind == KELDOR_CHECK_SLIDING) sliding = std::fmin(sliding, c.demand / c.limit);
        if (c.kind == KELDOR_CHECK_OVERTURNING) overturning = std::fmin(overturning, c.demand / c.limit);
        if (c.kind == KELDOR_CHECK_BEARING) bearing = std::fmax(bearing, c.ratio);
      }
      ExpectNumber(row[13], std::isinf(sliding) ? none : sliding, "sliding");
      ExpectNumber(row[14], std::isinf(overturning) ? none : overturning, "overturning");
      ExpectNumber(row[15], std::isinf(bearing) ? none : bearing, "bearing");
      EXPECT_EQ(row[16], std::to_string(r.failures()));
      const fe::CheckResult* gov = r.governing();
      EXPECT_EQ(row[17].empty(), gov == nullptr);
      if (gov != nullptr) {
        EXPECT_EQ(row[17].rfind(std::string(fe::CheckName(gov->kind)) + " at " + fe::PlaceName(gov->place), 0), 0u);
        ExpectNumber(row[18], gov->ratio, "governing ratio");
      }
    }
    // The run that could not be loaded has its row, with nothing but its outcome.
    Row broken(titles.size());
    broken[0] = "broken.in", broken[1] = "invalid input";
    EXPECT_EQ(rows.back(), broken);
  }
}

// The summary of one input; a summary that would replace an input stops the
// study before anything runs.
TEST(StudySummary, OneRunAndNoInputIsReplaced) {
  TempFolder dir;
  WriteFile(dir / "w.in", ReadFile(kGolden + "review-pile-english.in"));
  // One input is one run in this process, its side file KELDOR.DAT, and one row.
  Outcome o = KeldorRun({"--summary", "one.csv", "w.in"}, dir.path());
  EXPECT_EQ(o.status, 0) << o.err;
  // The report's line and the verdict's, then the summary's.
  EXPECT_EQ(o.out.rfind("Output written to w.out\nReview finished: ", 0), 0u) << o.out;
  EXPECT_NE(o.out.find(" checks NG; governing: "), std::string::npos) << o.out;
  EXPECT_EQ(o.out.find("\nSummary written to one.csv\n"), o.out.size() - 28) << o.out;
  EXPECT_TRUE(Exists(dir / "KELDOR.DAT"));
  const std::vector<Row> one = ParseCsv(ReadFile(dir / "one.csv"));
  ASSERT_EQ(one.size(), 2u);
  EXPECT_EQ(Row(one[1].begin(), one[1].begin() + 4), Row({"w.in", "written", "English", "review"}));

  o = KeldorRun({"--summary", "w.out", "w.in"}, dir.path());
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "Keldor: The summary w.out would replace w.out.\n");

  o = KeldorRun({"--summary", "w.in", "w.in", "w-copy.in"}, dir.path());
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "Keldor: The summary w.in would replace an input or a file of a run of this study.\n");
  EXPECT_EQ(ReadFile(dir / "w.in"), ReadFile(kGolden + "review-pile-english.in"));
  EXPECT_FALSE(Exists(dir / "w.dat"));
}

}  // namespace
}  // namespace keldor_test
