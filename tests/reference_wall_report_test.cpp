// The hand-calculated Rankine wall (stem 10 ft by 12 in, footing 8 ft by
// 18 in with a 3 ft toe, level backfill, soil 120 pcf, concrete 150 pcf,
// Ka = 1/3, base friction 0.5): every value of the hand calculation appears
// in its golden report, to the precision printed, in the section it belongs
// to. The golden test proves that a run writes exactly these reports; this
// test keeps a regenerated golden file from drifting off the hand values.
// The footing section repeats the resultants and the soil pressure of the
// stability section, since every factor is 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_support.h"

namespace keldor_test {
namespace {

using Lines = std::vector<std::string>;

// The lines of the section under `title`, up to the title of the next one
// (the line before the next rule).
Lines Section(const std::string& report, const std::string& title) {
  Lines lines;
  for (std::size_t start = 0, end; (end = report.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(report.substr(start, end - start));
  const auto begin = std::find(lines.begin(), lines.end(), title);
  auto end = begin == lines.end() ? begin : begin + 1;  // the title's own rule ends nothing
  while (end != lines.end() && !(end + 1 != lines.end() && end[1] == std::string(" ") + std::string(53, '=')))
    ++end;
  EXPECT_NE(begin, lines.end()) << "no section " << title;
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
    const std::string report = ReadFile(std::string(KELDOR_GOLDEN_DIR) + "/" + ref.golden + ".out");
    const std::string s(" ");

    const Lines weights = Section(report, " W E I G H T   A N D   R I G H T I N G   M O M E N T");
    EXPECT_TRUE(Has(weights, " DEAD LOAD       =  675.0    "));
    EXPECT_TRUE(Has(weights, " RIGHTING MOMENT = 0.4125E+05"));
    EXPECT_TRUE(Has(weights, s + "SURCHARGE LOAD  = " + ref.surcharge));
    EXPECT_TRUE(Has(weights, s + "RIGHTING MOMENT = " + ref.surchargeMoment));

    const Lines stability = Section(report, " E X T E R N A L   S T A B I L I T Y   A N A L Y S I S");
    const Lines footing = Section(report, " F O O T I N G   D E S I G N");
    EXPECT_TRUE(Has(stability, s + "  Total weight       = " + ref.weight));
    EXPECT_TRUE(Has(stability, s + "  Sliding resistance = " + ref.resistance));
    EXPECT_TRUE(Has(stability, ref.sliding));
    EXPECT_TRUE(Has(stability, ref.overturningSF));
    EXPECT_TRUE(Has(footing, s + "  Weight             = " + ref.weight));
    for (const Lines* section : {&stability, &footing}) {
      EXPECT_TRUE(Has(*section, s + "  Lateral force      = " + ref.lateral));
      EXPECT_TRUE(Has(*section, s + "  Overturning moment = " + ref.overturning));
      EXPECT_TRUE(Has(*section, s + "  Righting moment    = " + ref.righting));
      EXPECT_TRUE(Has(*section, s + "    Eccentricity  = " + ref.eccentricity));
      EXPECT_TRUE(Has(*section, s + "    Toe pressure  = " + ref.toe));
      EXPECT_TRUE(Has(*section, s + "    Heel pressure = " + ref.heel));
    }
  }
}

}  // namespace
}  // namespace keldor_test
