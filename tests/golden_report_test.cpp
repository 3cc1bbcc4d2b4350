// Whole-report golden tests: every tests/golden/<name>.in is run through
// keldor-run in a fresh folder, and the report (and, where
// tests/golden/<name>.dat exists, the side file KELDOR.DAT) must equal the
// expected file byte for byte, but for the date and time of the run line.
//
// KELDOR_UPDATE_GOLDEN=1 writes the actual files over the expected ones
// instead (date and time masked); review every changed line before
// committing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"

namespace keldor_test {
namespace {

const std::string kGolden = KELDOR_GOLDEN_DIR;

std::vector<std::string> GoldenNames() { return keldor_test::InputNames(kGolden); }

class GoldenReport : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenReport, MatchesTheExpectedFiles) {
  const std::string name = GetParam();
  TempFolder run;
  const std::string report = run / (name + ".out");
  const Outcome o = KeldorRun({"-o", report, kGolden + "/" + name + ".in"}, run.path());
  ASSERT_EQ(o.status, 0) << o.err;
  // The report's line, then the one line of the verdict.
  const std::string written = "Output written to " + report + "\n";
  EXPECT_EQ(o.out.rfind(written, 0), 0u) << o.out;
  EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 2) << o.out;
  EXPECT_EQ(o.err, "");

  const char* update = std::getenv("KELDOR_UPDATE_GOLDEN");
  for (const std::string ext : {".out", ".dat"}) {
    const std::string expectedPath = kGolden + "/" + name + ext;
    const std::string actualPath = ext == ".out" ? report : run / "KELDOR.DAT";
    if (ext == ".dat" && !Exists(expectedPath)) continue;
    ASSERT_TRUE(Exists(actualPath)) << actualPath << " was not written";
    const std::string actual = MaskRunLine(ReadFile(actualPath));
    if (update != nullptr && std::string(update) == "1") {
      WriteFile(expectedPath, actual);
    } else if (actual != MaskRunLine(ReadFile(expectedPath))) {
      // The run's folder goes at the end of the test: keep the actual file.
      const std::string kept = ::testing::TempDir() + "keldor-golden-" + name + ext;
      WriteFile(kept, ReadFile(actualPath));
      EXPECT_EQ(actual, MaskRunLine(ReadFile(expectedPath)))
          << "actual: " << kept << "\nexpected: " << expectedPath;
    }
  }
}

// The report and side file of a golden input, run with the environment
// variable `full` set (when not null) for that run only.
std::string RunFiles(const std::string& name, const char* full) {
  TempFolder run;
  if (full != nullptr) setenv(full, "1", 1);
  const Outcome o = KeldorRun({"-o", run / "r.out", kGolden + "/" + name + ".in"}, run.path());
  if (full != nullptr) unsetenv(full);
  EXPECT_EQ(o.status, 0) << o.err;
  const std::string side = Exists(run / "KELDOR.DAT") ? ReadFile(run / "KELDOR.DAT") : "";
  return MaskRunLine(ReadFile(run / "r.out")) + "\n---- KELDOR.DAT ----\n" + side;
}

// The design search reuses the trial wedges it has searched; searching every
// wedge in full gives the same files.
TEST_P(GoldenReport, FullWedgeSearchGivesTheSameFiles) {
  EXPECT_EQ(RunFiles(GetParam(), "KELDOR_FULL_WEDGE_SEARCH"), RunFiles(GetParam(), nullptr));
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenReport, ::testing::ValuesIn(GoldenNames()),
                         [](const auto& test) { return Identifier(test.param); });

// Only the date and time of the run line are masked.
TEST(GoldenHarness, MasksOnlyTheDateAndTimeOfTheRunLine) {
  const std::string report = " Title\r\n (Version  1.42)                12/06/2026,  9:05:07\r\n x";
  EXPECT_EQ(MaskRunLine(report),
            " Title\r\n (Version  1.42)                MM/DD/YYYY, HH:MM:SS\r\n x");
  EXPECT_EQ(MaskRunLine(MaskRunLine(report)), MaskRunLine(report));
}

}  // namespace
}  // namespace keldor_test
