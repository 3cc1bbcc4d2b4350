// The kinds of report lines the views mark, and the section headings.
#include "report_lines.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace fe {
namespace {

const std::string kGolden = KELDOR_SOURCE_DIR "/tests/golden/";

TEST(KindOfLine, FailingChecksMessagesAndPassingChecks) {
  const struct {
    const char* line;
    ReportLineKind kind;
  } cases[] = {
      {"     Shear capacity  =  3487.     < Design shear  =  4385.     NG ***", ReportLineKind::Failing},
      {"    Sliding SF         =   1.234     <   1.500     NG ***\r\n", ReportLineKind::Failing},
      {"     Minimum axial load = -8280.     NG: PILE IS IN TENSION ***", ReportLineKind::Message},
      {" *** LOAD DISTRIBUTION ERROR ***", ReportLineKind::Message},
      {"   THE SOLUTION DID NOT CONVERGE ***   ", ReportLineKind::Message},
      {"     Shear capacity  =  4385.     > Design shear  =  3487.     OKAY", ReportLineKind::Passing},
      {"    Overturning SF     =   2.000     >   1.500     OKAY\r", ReportLineKind::Passing},
      // A number too wide for its field prints as asterisks: no message.
      {"      Regular loads = ******", ReportLineKind::Plain},
      {"      Regular loads = ***", ReportLineKind::Plain},
      {" * * * * * * * * * * * * * * * * * * * * * * * * * * *", ReportLineKind::Plain},
      {" SIGN OKAYED", ReportLineKind::Plain},
      {"OKAY", ReportLineKind::Plain},
      {"", ReportLineKind::Plain},
      {" NG", ReportLineKind::Plain},
  };
  for (const auto& c : cases) EXPECT_EQ(KindOfLine(c.line), c.kind) << c.line;
  EXPECT_TRUE(NeedsAttention(ReportLineKind::Failing));
  EXPECT_TRUE(NeedsAttention(ReportLineKind::Message));
  EXPECT_FALSE(NeedsAttention(ReportLineKind::Passing));
}

TEST(FindSections, EveryHeadingOfAReportInOrder) {
  const std::vector<std::string> lines =
      SplitLines(keldor_test::ReadFile(kGolden + "review-pile-english.out"));
  ASSERT_EQ(lines.size(), 358u);
  const std::vector<std::pair<int, std::string>> expected = {
      {14, "Program Options"},    {23, "Material Properties"},   {38, "Soil Parameters"},
      {61, "Loads"},              {78, "Soil Configuration"},    {87, "Wall Configuration"},
      {97, "Rebar Configuration"}, {117, "Pile Footing"},        {157, "Wall Design"},
      {179, "Wall Load Distribution"}, {193, "Weight and Righting Moment"},
      {205, "Pile Analysis"},     {270, "Footing Design"}};
  const std::vector<ReportSection> found = FindSections(lines);
  ASSERT_EQ(found.size(), expected.size());
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(found[i].line, expected[i].first);
    EXPECT_EQ(found[i].title, expected[i].second);
  }
}

// In every golden report each rule of "=" under a spaced-capital title gives
// one section, and nothing else does (the banner's spaced letters sit
// between asterisks; a rule alone is no heading).
TEST(FindSections, OneSectionPerRuledTitleInEveryGoldenReport) {
  int reports = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kGolden)) {
    if (entry.path().extension() != ".out") continue;
    ++reports;
    const std::vector<std::string> lines = SplitLines(keldor_test::ReadFile(entry.path()));
    std::vector<int> ruled;
    for (std::size_t i = 1; i < lines.size(); ++i)
      if (lines[i].rfind(" =====", 0) == 0 && lines[i - 1].rfind(" ", 0) == 0 &&
          lines[i - 1].size() > 2 && lines[i - 1][2] == ' ')
        ruled.push_back(static_cast<int>(i - 1));
    std::vector<int> found;
    for (const ReportSection& s : FindSections(lines)) found.push_back(s.line);
    EXPECT_EQ(found, ruled) << entry.path();
    EXPECT_GE(found.size(), 8u) << entry.path();
    EXPECT_EQ(lines[static_cast<std::size_t>(found.front())], " P R O G R A M   O P T I O N S");
  }
  EXPECT_GE(reports, 20);
}

TEST(FindSections, NearMissesAreNoHeadings) {
  const std::vector<std::string> lines = {
      " L O A D S",         " ===",  // a rule too short
      " LOADS",             " =====================================================",
      " L O A D S  X",      " =====================================================",
      " L  O A D S",        " =====================================================",
      " l o a d s",         " =====================================================",
      " A",                 " =====================================================",
      "L O A D S",          " =====================================================",
      " P I L E   F O O T I N G   ", " =====================================================   ",
      " =====================================================", " L O A D S"};
  const std::vector<ReportSection> found = FindSections(lines);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].line, 14);
  EXPECT_EQ(found[0].title, "Pile Footing");
}

TEST(SplitLines, LineEndsOfEitherKind) {
  EXPECT_EQ(SplitLines("a\r\nb\n\r\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_EQ(SplitLines("\n\n"), (std::vector<std::string>{"", ""}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace fe
