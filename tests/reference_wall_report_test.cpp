// The hand-calculated Rankine wall (stem 10 ft by 12 in, footing 8 ft by
// 18 in with a 3 ft toe, level backfill, soil 120 pcf, concrete 150 pcf,
// Ka = 1/3, base friction 0.5), run from its golden input files: every value
// of the hand calculation appears in the report, to the precision printed,
// in the section it belongs to. The footing section repeats the resultants
// and the soil pressure of the stability section, since every factor is 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_support.h"

namespace keldor_test {
namespace {

using Lines = std::vector<std::string>;

Lines ReportLines(const std::string& text) {
  Lines lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

Lines RunGolden(const std::string& name) {
  TempFolder run;
  const std::string report = run / (name + ".out");
  const Outcome o = RunProgram(ProgramFolder() + "/keldor-run",
                               {"-o", report, std::string(KELDOR_GOLDEN_DIR) + "/" + name + ".in"},
                               run.path());
  EXPECT_EQ(o.status, 0) << o.err;
  return ReportLines(ReadFile(report));
}

const std::string kRule = " =====================================================";

// The lines of the section under `title`, up to the title of the next one.
Lines Section(const Lines& report, const std::string& title) {
  const auto begin = std::find(report.begin(), report.end(), title);
  if (begin == report.end()) {
    ADD_FAILURE() << "no section " << title;
    return {};
  }
  auto end = begin + 1;
  while (end != report.end() && !(end + 1 != report.end() && *(end + 1) == kRule)) ++end;
  return Lines(begin, end);
}

::testing::AssertionResult Has(const Lines& section, const std::string& line) {
  if (std::find(section.begin(), section.end(), line) != section.end())
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "missing \"" << line << "\"";
}

struct Reference {
  const char* golden;
  const char* surcharge;        // SURCHARGE LOAD: 0 or 83.33
  const char* surchargeMoment;  // its moment: 0 or 6,000
  const char* lateral;          // 220.4 or 300.3
  const char* overturning;      // 10,140 or 15,650
  const char* weight;           // 675.0 or 758.3
  const char* righting;         // 41,250 or 47,250
  const char* resistance;       // 337.5 or 379.2
  const char* sliding;          // 1.53 OKAY or 1.26 NG
  const char* overturningSF;    // 4.07 or 3.02, OKAY
  const char* eccentricity;     // 1.910 or 6.329
  const char* toe;              // 7.870 or 11.02
  const char* heel;             // 6.192 or 4.775
};

const Reference kReferences[] = {
    {"review-rankine-spread", " 0.000    ", " 0.000    ", " 220.4    ", "0.1014E+05",
     " 675.0    ", "0.4125E+05", " 337.5    ",
     "   Sliding SF         =   1.53     >   1.50     OKAY",
     "   Overturning SF     =   4.07     >   2.00     OKAY", " 1.910    ", " 7.870    ",
     " 6.192    "},
    {"review-rankine-surcharge", " 83.33    ", " 6000.    ", " 300.3    ", "0.1565E+05",
     " 758.3    ", "0.4725E+05", " 379.2    ",
     "   Sliding SF         =   1.26     <   1.50     NG ***",
     "   Overturning SF     =   3.02     >   2.00     OKAY", " 6.329    ", " 11.02    ",
     " 4.775    "},
};

TEST(ReferenceWall, EveryHandValueIsInTheReport) {
  for (const Reference& ref : kReferences) {
    SCOPED_TRACE(ref.golden);
    const Lines report = RunGolden(ref.golden);

    const Lines weights = Section(report, " W E I G H T   A N D   R I G H T I N G   M O M E N T");
    EXPECT_TRUE(Has(weights, " DEAD LOAD       =  675.0    "));
    EXPECT_TRUE(Has(weights, " RIGHTING MOMENT = 0.4125E+05"));
    EXPECT_TRUE(Has(weights, std::string(" SURCHARGE LOAD  = ") + ref.surcharge));
    EXPECT_TRUE(Has(weights, std::string(" RIGHTING MOMENT = ") + ref.surchargeMoment));

    const Lines stability =
        Section(report, " E X T E R N A L   S T A B I L I T Y   A N A L Y S I S");
    EXPECT_TRUE(Has(stability, std::string("   Lateral force      = ") + ref.lateral));
    EXPECT_TRUE(Has(stability, std::string("   Overturning moment = ") + ref.overturning));
    EXPECT_TRUE(Has(stability, std::string("   Total weight       = ") + ref.weight));
    EXPECT_TRUE(Has(stability, std::string("   Righting moment    = ") + ref.righting));
    EXPECT_TRUE(Has(stability, std::string("   Sliding resistance = ") + ref.resistance));
    EXPECT_TRUE(Has(stability, ref.sliding));
    EXPECT_TRUE(Has(stability, ref.overturningSF));

    const Lines footing = Section(report, " F O O T I N G   D E S I G N");
    EXPECT_TRUE(Has(footing, std::string("   Lateral force      = ") + ref.lateral));
    EXPECT_TRUE(Has(footing, std::string("   Overturning moment = ") + ref.overturning));
    EXPECT_TRUE(Has(footing, std::string("   Weight             = ") + ref.weight));
    EXPECT_TRUE(Has(footing, std::string("   Righting moment    = ") + ref.righting));

    for (const Lines* section : {&stability, &footing}) {
      EXPECT_TRUE(Has(*section, std::string("     Eccentricity  = ") + ref.eccentricity));
      EXPECT_TRUE(Has(*section, std::string("     Toe pressure  = ") + ref.toe));
      EXPECT_TRUE(Has(*section, std::string("     Heel pressure = ") + ref.heel));
    }
  }
}

}  // namespace
}  // namespace keldor_test
