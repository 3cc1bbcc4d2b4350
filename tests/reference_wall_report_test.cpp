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
  EXPECT_NE(begin, lines.end()) << "no section " << title;
  auto end = begin == lines.end() ? begin : begin + 1;  // the title's own rule ends nothing
  while (end != lines.end() && !(end + 1 < lines.end() && end[1] == " " + std::string(53, '='))) ++end;
  return Lines(begin, end);
}

const std::string kWeights = " W E I G H T   A N D   R I G H T I N G   M O M E N T";
const std::string kStability = " E X T E R N A L   S T A B I L I T Y   A N A L Y S I S";
const std::string kFooting = " F O O T I N G   D E S I G N";

// Each hand value as the line that shows it, and the sections it is in.
struct HandValue {
  std::string line;
  Lines sections;
};

const std::vector<std::pair<std::string, std::vector<HandValue>>> kReferences = {
    {"review-rankine-spread",
     {{" SURCHARGE LOAD  =  0.000    ", {kWeights}},
      {" RIGHTING MOMENT =  0.000    ", {kWeights}},
      {"   Lateral force      =  220.4    ", {kStability, kFooting}},
      {"   Overturning moment = 0.1014E+05", {kStability, kFooting}},
      {"   Total weight       =  675.0    ", {kStability}},
      {"   Weight             =  675.0    ", {kFooting}},
      {"   Righting moment    = 0.4125E+05", {kStability, kFooting}},
      {"   Sliding resistance =  337.5    ", {kStability}},
      {"   Sliding SF         =   1.53     >   1.50     OKAY", {kStability}},
      {"   Overturning SF     =   4.07     >   2.00     OKAY", {kStability}},
      {"     Eccentricity  =  1.910    ", {kStability, kFooting}},
      {"     Toe pressure  =  7.870    ", {kStability, kFooting}},
      {"     Heel pressure =  6.192    ", {kStability, kFooting}}}},
    {"review-rankine-surcharge",
     {{" SURCHARGE LOAD  =  83.33    ", {kWeights}},
      {" RIGHTING MOMENT =  6000.    ", {kWeights}},
      {"   Lateral force      =  300.3    ", {kStability, kFooting}},
      {"   Overturning moment = 0.1565E+05", {kStability, kFooting}},
      {"   Total weight       =  758.3    ", {kStability}},
      {"   Weight             =  758.3    ", {kFooting}},
      {"   Righting moment    = 0.4725E+05", {kStability, kFooting}},
      {"   Sliding resistance =  379.2    ", {kStability}},
      {"   Sliding SF         =   1.26     <   1.50     NG ***", {kStability}},
      {"   Overturning SF     =   3.02     >   2.00     OKAY", {kStability}},
      {"     Eccentricity  =  6.329    ", {kStability, kFooting}},
      {"     Toe pressure  =  11.02    ", {kStability, kFooting}},
      {"     Heel pressure =  4.775    ", {kStability, kFooting}}}},
};

TEST(ReferenceWall, EveryHandValueIsInTheReport) {
  for (const auto& [golden, values] : kReferences) {
    SCOPED_TRACE(golden);
    const std::string report = ReadFile(std::string(KELDOR_GOLDEN_DIR) + "/" + golden + ".out");
    // The wall, footing and soil weigh the same in both.
    const Lines weights = Section(report, kWeights);
    for (const char* line : {" DEAD LOAD       =  675.0    ", " RIGHTING MOMENT = 0.4125E+05"})
      EXPECT_NE(std::find(weights.begin(), weights.end(), line), weights.end()) << line;
    for (const HandValue& v : values)
      for (const std::string& title : v.sections) {
        const Lines section = Section(report, title);
        EXPECT_NE(std::find(section.begin(), section.end(), v.line), section.end())
            << "missing \"" << v.line << "\" in" << title;
      }
  }
}

}  // namespace
}  // namespace keldor_test
