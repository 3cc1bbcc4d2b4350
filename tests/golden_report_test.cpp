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
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace keldor_test {
namespace {

const std::string kGolden = KELDOR_GOLDEN_DIR;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end = 0; start < text.size(); start = end) {
    end = std::min(text.find('\n', start), text.size() - 1) + 1;
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// A line as it stands, its line end and trailing blanks made visible.
std::string Show(const std::string& line) {
  std::string s;
  for (char c : line)
    s += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
  return "\"" + s + "\"";
}

// Empty when equal; otherwise the first differing lines with their numbers
// and both paths.
std::string Compare(const std::string& actual, const std::string& expected,
                    const std::string& actualPath, const std::string& expectedPath) {
  if (actual == expected) return "";
  const std::vector<std::string> a = Lines(actual), e = Lines(expected);
  std::ostringstream msg;
  msg << "actual:   " << actualPath << "\nexpected: " << expectedPath << '\n';
  int shown = 0;
  for (std::size_t i = 0; i < std::max(a.size(), e.size()) && shown < 5; ++i) {
    const std::string al = i < a.size() ? a[i] : "(no line)";
    const std::string el = i < e.size() ? e[i] : "(no line)";
    if (al == el) continue;
    msg << "line " << i + 1 << ":\n  actual   " << Show(al) << "\n  expected " << Show(el) << '\n';
    ++shown;
  }
  msg << "(" << a.size() << " lines actual, " << e.size() << " expected)";
  return msg.str();
}

std::vector<std::string> GoldenNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(kGolden))
    if (entry.path().extension() == ".in") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

bool Updating() {
  const char* v = std::getenv("KELDOR_UPDATE_GOLDEN");
  return v != nullptr && std::string(v) == "1";
}

class GoldenReport : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenReport, MatchesTheExpectedFiles) {
  const std::string name = GetParam();
  TempFolder run;
  const std::string report = run / (name + ".out");
  const Outcome o = RunProgram(ProgramFolder() + "/keldor-run",
                               {"-o", report, kGolden + "/" + name + ".in"}, run.path());
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, "Output written to " + report + "\n");
  EXPECT_EQ(o.err, "");

  struct Pair {
    std::string actualPath, expectedPath;
    bool mask;
  };
  std::vector<Pair> pairs{{report, kGolden + "/" + name + ".out", true}};
  if (Exists(kGolden + "/" + name + ".dat"))
    pairs.push_back({run / "KELDOR.DAT", kGolden + "/" + name + ".dat", false});

  for (const Pair& p : pairs) {
    ASSERT_TRUE(Exists(p.actualPath)) << p.actualPath << " was not written";
    const auto read = [&p](const std::string& path) {
      return p.mask ? MaskRunLine(ReadFile(path)) : ReadFile(path);
    };
    const std::string actual = read(p.actualPath);
    if (Updating()) {
      WriteFile(p.expectedPath, actual);
      continue;
    }
    ASSERT_TRUE(Exists(p.expectedPath))
        << p.expectedPath << " is missing; KELDOR_UPDATE_GOLDEN=1 writes it from " << p.actualPath;
    const std::string expected = read(p.expectedPath);
    if (actual != expected) {
      // The run's folder goes at the end of the test: keep the actual file.
      const std::string kept = ::testing::TempDir() + "keldor-golden-" + name +
                               std::filesystem::path(p.expectedPath).extension().string();
      WriteFile(kept, ReadFile(p.actualPath));
      ADD_FAILURE() << Compare(actual, expected, kept, p.expectedPath);
    }
  }
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string s = info.param;
  for (char& c : s)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return s;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenReport, ::testing::ValuesIn(GoldenNames()), TestName);

// The harness itself: the masking and the difference report.
TEST(GoldenHarness, MasksOnlyTheDateAndTimeOfTheRunLine) {
  const std::string report = " Title\r\n (Version  1.42)                12/06/2026,  9:05:07\r\n x";
  EXPECT_EQ(MaskRunLine(report),
            " Title\r\n (Version  1.42)                MM/DD/YYYY, HH:MM:SS\r\n x");
  EXPECT_EQ(MaskRunLine(MaskRunLine(report)), MaskRunLine(report));
}

TEST(GoldenHarness, NamesTheFirstDifferingLinesAndBothFiles) {
  EXPECT_EQ(Compare("a\r\nb \r\nc\r\n", "a\r\nb\r\nc\r\nd\r\n", "/t/x.out", "/g/x.out"),
            "actual:   /t/x.out\nexpected: /g/x.out\n"
            "line 2:\n  actual   \"b \\r\\n\"\n  expected \"b\\r\\n\"\n"
            "line 4:\n  actual   \"(no line)\"\n  expected \"d\\r\\n\"\n"
            "(3 lines actual, 4 expected)");
  EXPECT_EQ(Compare("same", "same", "a", "b"), "");
}

}  // namespace
}  // namespace keldor_test
