// The wall stem: the pressure diagrams of one earth force and their limits,
// the factored loads of a combination, a design that cannot be made, and the
// guards of the load distribution table. What the design of the base section
// fixes and the layout of the wall design and table sections are the golden
// files' (review and design, SI and English, distribution errors, with and
// without a table).
//
// Expected values are hand calculations, noted per case.
#include "stem.h"

#include <gtest/gtest.h>

#include <cmath>

#include "driver.h"
#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using testing_support::FreshState;
using testing_support::SameValues;
using testing_support::SetCombinations;

const Lines kDistributionError = {"", " *** LOAD DISTRIBUTION ERROR ***", ""};
const Lines kTableHead = {"", " W A L L   L O A D   D I S T R I B U T I O N", kRule, "",
                          "      DEPTH     SHEAR    MOMENT     THICK   AS REQD", ""};

// English design, 12 ft stem, 120 pcf soil, 250 psf surcharge, wind and
// seismic loads at the top; 1.7 (E + SC), 1.3 (E + W) and E + EQ.
void EnglishWall() {
  FreshState();
  S.IUNITS = 1, S.IMODE = 1, S.IDESIGN = 1, S.ISOIL = 1;
  S.FC = 4000.0f, S.FS = 60000.0f, S.RATIO = 0.5f, S.RHOS = 0.069444f;
  S.KA = S.YE = 0.33333f, S.KAEQ = 0.1f, S.YEQ = 0.6f, S.SUR = 1.7361f;
  S.VW = 2.0f, S.MW = 50.0f, S.VEQ = 5.0f, S.MEQ = 100.0f;
  S.H = 144.0f, S.TWMIN = 12.0f, S.BWMIN = S.BW = Radians(1.0f), S.CW = 2.0f, S.DBAR = 1.0f;
  SetCombinations({{1, 0, 1.7f, 1.7f, 0, 0}, {1, 0, 1.3f, 0, 1.3f, 0}, {1, 0, 1, 0, 0, 1}});
  RunInit();
}

// The reference Rankine wall: 10 ft stem, 12 in, no batter, 0.5 in2 of steel.
void ReferenceWall(float ye, float h) {
  FreshState();
  S.IUNITS = 1, S.IMODE = 2, S.IDESIGN = 1, S.ISOIL = 1;
  S.FC = 4000.0f, S.FS = 60000.0f, S.RATIO = 0.5f, S.RHOS = 0.069444f;
  S.KA = 0.33333f, S.YE = ye, S.YEQ = 0.5f;
  S.H = h, S.TWMIN = 12.0f, S.ASW = 0.5f, S.CW = 2.0f, S.DBAR = 1.0f;
  SetCombinations({{1, 0, 1, 0, 0, 0}});
  RunInit();
}

// ---- DistributeEarthForce ---------------------------------------------------------

struct Shape {
  float r, y, v, m;
};

TEST(DistributeEarthForce, WorkedCasesOfAHundredOverAHundred) {
  S.H = 100.0f;
  const Shape cases[] = {
      {0.4f, 50.0f, 35.0f, 750.0f},  // a = 0.6, b = 0.4
      {0.4f, 100.0f, 100.0f, 4000.0f},
      {0.6f, 50.0f, 65.0f, 1750.0f},  // c = 0.6, b = 0.4
      {0.6f, 100.0f, 100.0f, 6000.0f},
      {0.33f, 100.0f, 100.0f, 100.0f * 100.0f / 3.0f},         // pure triangle: H/3 whatever r
      {0.5f, 50.0f, 50.0f, 1250.0f},                           // uniform
      {0.66f, 100.0f, 100.0f, 2.0f * 100.0f * 100.0f / 3.0f},  // inverted triangle
      {0.45f, 100.0f, 100.0f, 4500.0f},                        // mixed ranges: P r H at the base
      {0.55f, 100.0f, 100.0f, 5500.0f},
  };
  for (const Shape& c : cases) {
    float p = 100.0f, y = c.y, r = c.r, v = 0.0f, m = 0.0f;
    EXPECT_TRUE(CaptureReport([&] { DistributeEarthForce(p, y, r, v, m); }).empty());
    EXPECT_NEAR(v, c.v, 1e-3f) << "r = " << c.r << ", y = " << c.y;
    EXPECT_NEAR(m, c.m, 0.02f) << "r = " << c.r << ", y = " << c.y;
  }
}

TEST(DistributeEarthForce, RatioOutsideTheDiagramsWritesTheErrorAndNoMoment) {
  // 0.32 and 0.68 themselves are outside; so is any force on a wall without
  // height (r = 0.4 with H = 0).
  for (const float ratio : {0.32f, 0.68f, 0.70f, 0.30f, 0.0f, 0.4f}) {
    S.H = ratio == 0.4f ? 0.0f : 100.0f;
    float p = 100.0f, y = 50.0f, r = ratio, v = 7.0f, m = 9.0f;
    EXPECT_EQ(CaptureReport([&] { DistributeEarthForce(p, y, r, v, m); }), kDistributionError)
        << ratio;
    EXPECT_EQ(m, 0.0f);
    EXPECT_EQ(v, 7.0f);  // left as the caller set it
  }
}

// ---- Loads of one combination --------------------------------------------------

TEST(StemLoads, TriangleAtTheBaseGivesTheBaseShearButMomentAtAThird) {
  // YE inside (0.32, 0.34): the table's moment at y = H is P H / 3, while
  // the base moment uses P YE H.
  ReferenceWall(0.339f, 120.0f);
  float vb = 0, mb = 0, vy = 0, my = 0;
  StemBaseLoads(1, vb, mb);
  StemLoadsAtDepth(1, 120.0f, vy, my);
  const float p = 0.5f * 0.33333f * 1.0f * 0.069444f * (120.0f * 120.0f);
  EXPECT_TRUE(SameValues({vb, vy, mb, my}, {p, p, p * 0.339f * 120.0f, p * 120.0f / 3.0f}, 1e-6f));
}

TEST(StemLoads, IrregularBackfillTakesTheSurchargedForceWithTheEarthFactor) {
  EnglishWall();
  S.ISOIL = 2, S.H = 120.0f;
  SetCombinations({{1, 0, 1.7f, 1.5f, 0, 0}, {1, 0, 1, 0, 0, 1}, {1, 0, 0, 1.7f, 1.3f, 0}});
  S.PEH = 800.0f, S.PESH = 950.0f, S.PEQH = 300.0f;
  S.YAPPE = 45.6f, S.YAPPES = 54.0f, S.YAPPEQ = 72.0f;
  // 1: PESH x FE at YAPPES, SUR and its factor play no part; 2: earth at
  // YAPPE plus the seismic force and top loads; 3: no earth factor, so the
  // surcharge factor alone adds nothing. Down the stem the same forces are
  // distributed: at y = H they sum to the base values, with moments P r H.
  float v[3], m[3], vy[2], my[2];
  for (int i = 1; i <= 3; ++i) StemBaseLoads(i, v[i - 1], m[i - 1]);
  for (int i = 1; i <= 2; ++i) StemLoadsAtDepth(i, 120.0f, vy[i - 1], my[i - 1]);
  EXPECT_TRUE(SameValues({v[0], m[0], v[1], m[1], v[2], m[2], vy[0], my[0], vy[1], my[1]},
                         {950.0f * 1.7f, 950.0f * 1.7f * 54.0f, 800.0f + (5.0f + 300.0f),
                          800.0f * 45.6f + (5.0f * 120.0f + 300.0f * 72.0f + 100.0f), 2.0f * 1.3f,
                          (2.0f * 120.0f + 50.0f) * 1.3f, 950.0f * 1.7f, 950.0f * 1.7f * 54.0f,
                          1105.0f, 36480.0f + 700.0f + 21600.0f},
                         1e-6f));
}

TEST(StemLoads, NegativeMomentsDoNotLowerTheMaximumBelowZero) {
  // Wind the other way in the only combination: the maxima start at 0, and
  // with nothing to design the section keeps the minimum thickness.
  ReferenceWall(0.33333f, 120.0f);
  S.IMODE = 1, S.VW = -10.0f, S.MW = -500.0f;
  SetCombinations({{1, 0, 0, 0, 1, 0}});
  EXPECT_EQ(CaptureReport(WallDesign).back(), "   Moment = -1700.    ");  // no design lines
  EXPECT_TRUE(SameValues({S.VDES, S.MDES, S.TSEC, S.ASW, S.BW}, {0.0f, 0.0f, 12.0f, 0.0f, 0.0f}));
}

// ---- What the design of the base section fixes ----------------------------------

TEST(WallDesign, DesignThatCannotBeMadeSaysSo) {
  // A zero balanced-steel ratio (which validation refuses) leaves no depth
  // that carries the moment: IOK is cleared and the report says it; the
  // minimum thickness, 12 + BWMIN x 144, sets the batter.
  EnglishWall();
  S.RATIO = 0.0f, S.IOK = 1;
  const Lines lines = CaptureReport(WallDesign);
  EXPECT_EQ(Lines(lines.end() - 2, lines.end()), (Lines{"", "     NO WALL DESIGN POSSIBLE ***"}));
  EXPECT_EQ(S.IOK, 0);
  EXPECT_EQ(S.ASW, 0.0f);
  EXPECT_NEAR(S.BW, std::atan(S.BWMIN), 1e-6f);
}

// ---- The load distribution table ---------------------------------------------------

// The rows stop at the last full step (a golden file has H = 5000 mm).
TEST(StemLoadTable, NoRowsWithoutAFullStep) {
  ReferenceWall(0.33333f, 23.0f);  // shorter than one step: the header alone
  EXPECT_EQ(CaptureReport(StemLoadTable), kTableHead);
  ReferenceWall(0.33333f, 1000.0f);
  S.STEP = 0.0f;  // a unit code the run does not know: no rows, no endless loop
  EXPECT_EQ(CaptureReport(StemLoadTable), kTableHead);
}

TEST(StemLoadTable, AbsurdHeightEndsTheTableInsteadOfRunningOn) {
  // 10^7 in would give 416,666 rows; the table stops after 10000 and says so.
  ReferenceWall(0.33333f, 1.0e7f);
  const Lines lines = CaptureReport(StemLoadTable);
  ASSERT_EQ(lines.size(), kTableHead.size() + 10001);
  EXPECT_EQ(lines[kTableHead.size() + 9999].substr(0, 11), "    240000.");
  EXPECT_EQ(lines.back(), "   THE TABLE ENDS AFTER 10000 ROWS ***");
  EXPECT_EQ(S.IPRINT, 1);  // the rows' silent section designs leave printing on
}

}  // namespace
}  // namespace keldor
