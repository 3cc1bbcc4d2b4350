// External stability and soil pressure: the pressure shapes and their
// boundaries, the 1 % allowance of the ratio checks against the exact pile
// limits, and what a design trial stops at or keeps. Whole review sections
// (the reference wall, kern and partial compression, the sliding weight, pile
// tension and lateral failures, a single pile row) are the golden files'.
#include "stability.h"

#include <gtest/gtest.h>

#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"
#include "weights.h"

namespace keldor {
namespace {

using testing_support::Contains;
using testing_support::FreshState;
using testing_support::SetCombinations;
using testing_support::SetPileRows;
using testing_support::SetReferenceWall;

void ReviewFooting(int ifoot, float WF) {
  FreshState();
  S.IMODE = 2, S.IFOOT = ifoot, S.IPRINT = 1, S.IOK = 1, S.WF = WF;
}

struct PressureCase {
  float WF, MO, MR, V;
  bool defined;
  float e, toe, heel;
};

// WF = 100, V = 1000: MR - MO = 40000 puts the resultant 40 from the toe
// (e = 10, 10 +- 6 x 1000 x 10 / 100^2); 25000 gives e = 25 and a triangle
// over 3 x (50 - 25) = 75 (2 x 1000 / 75 = 26.67), 75000 its mirror under the
// heel. e = WF / 6 is still full compression, e = WF / 2 is off the base, and
// without vertical load the resultant has no position.
TEST(SoilPressure, EveryShapeAndItsBoundaries) {
  const PressureCase cases[] = {
      {100, 10000, 50000, 1000, true, 10, 16, 4},
      {100, 0, 25000, 1000, true, 25, 26.6667f, 0},
      {100, 0, 75000, 1000, true, -25, 0, 26.6667f},
      {96, 0, 960 * 32, 960, true, 16, 20, 0},
      {100, 50000, 50000, 1000, false, 50, 0, 0},
      {100, 100, 0, 0, false, 0, 0, 0},
      {100, 0, 1000, -5, false, 0, 0, 0},
  };
  for (const PressureCase& c : cases) {
    ReviewFooting(1, c.WF);
    S.IMODE = 1, S.IPRINT = 0;  // a design trial
    float mo = c.MO, mr = c.MR, v = c.V, e = 9, toe = 9, heel = 9;
    const Lines lines =
        CaptureReport([&] { EXPECT_EQ(SoilPressure(mo, mr, v, e, toe, heel), c.defined); });
    EXPECT_TRUE(lines.empty());  // silent in a design trial, whatever the outcome
    for (const auto& [actual, expected] : {std::pair{e, c.e}, {toe, c.toe}, {heel, c.heel}})
      EXPECT_NEAR(actual, expected, 1e-4f) << "MR - MO " << c.MR - c.MO << ", V " << c.V;
  }
}

// A valid input always weighs something, so no golden file shows this line.
TEST(SoilPressure, NoVerticalLoadIsNamed) {
  ReviewFooting(1, 100.0f);
  float mo = 100.0f, mr = 0.0f, v = 0.0f, e, toe, heel;
  EXPECT_EQ(CaptureReport([&] { (void)SoilPressure(mo, mr, v, e, toe, heel); }),
            (Lines{"", "   SOIL PRESSURE:", "", "     NO VERTICAL LOAD ON FOOTING ***"}));
}

// The reference wall's sliding safety factor is 1.5312 and its toe pressure
// 7.870: a requirement 0.5 % beyond either passes, 2 % beyond fails.
TEST(ExternalStability, RatioChecksAllowOnePercent) {
  struct Case {
    float sfsl, q;
    const char* line;
    int iok;
  };
  for (const Case& c :
       {Case{1.5312f * 1.005f, 20.0f, "   Sliding SF         =   1.53     >   1.54     OKAY", 1},
        Case{1.5312f * 1.02f, 20.0f, "   Sliding SF         =   1.53     <   1.56     NG ***", 0},
        Case{1.5f, 7.8f, "     Max pressure  =  7.870     <  7.800     OKAY", 1},
        Case{1.5f, 7.7f, "     Max pressure  =  7.870     >  7.700     NG ***", 0}}) {
    FreshState();
    SetReferenceWall(0.0f, 0.0f);
    S.SFSL = c.sfsl, S.Q = c.q;
    WeightsAndMoments();
    EXPECT_TRUE(Contains(CaptureReport(ExternalStability), c.line)) << c.line;
    EXPECT_EQ(S.IOK, c.iok) << c.line;
  }
}

// Two vertical rows 12 and 96 in from the toe, spaced 48 in, under 100 lb/in
// of dead load: at the centroid (MDEAD 5400) every pile carries 2400 lb; 5 in
// from the toe (MDEAD 500) the toe row carries 5200 lb and the heel row -400.
void PileWall(float mdead, float fw, float vw, float pilep, float pilev) {
  ReviewFooting(2, 108.0f);
  S.WDEAD = 100.0f, S.MDEAD = mdead, S.VW = vw;
  S.PILEP = S.PILEPW = pilep;
  S.PILEV = S.PILEVW = pilev;
  SetPileRows({{12.0f, 0.0f, 48.0f}, {96.0f, 0.0f, 48.0f}});
  SetCombinations({{1, 0, 1, 0, fw, 0}});
}

// Compression keeps the 1 % allowance; the lateral and tension checks have
// none: 2 x 1200 / 48 = 50 lb/in of capacity carries 50 and not 50.01, and a
// wind combination allows tension up to half the compression exactly.
TEST(ExternalStability, PileLimits) {
  struct Case {
    float mdead, fw, vw, pilep, pilev;
    const char* line;
    int iok;
  };
  const Case cases[] = {
      {5400, 1, 0, 2400 / 1.005f, 1200,
       "     Maximum axial load =  2400.     < Allowable compression  =  2388.     OKAY", 1},
      {5400, 1, 0, 2400 / 1.02f, 1200,
       "     Maximum axial load =  2400.     > Allowable compression  =  2353.     NG ***", 0},
      {5400, 1, 50, 3000, 1200,
       "     Total lateral load =  50.00     < Allowable lateral load =  50.00     OKAY", 1},
      {5400, 1, 50.01f, 3000, 1200,
       "     Total lateral load =  50.01     > Allowable lateral load =  50.00     NG ***", 0},
      {500, 0, 0, 6000, 100, "     Minimum axial load = -400.0     NG: PILE IS IN TENSION ***", 0},
      {500, 1, 0, 6000, 100,
       "     Minimum axial load = -400.0     < Allowable tension      =  3000.     OKAY", 1},
      // 800 and 790 also fail compression (5200): only the tension line matters
      {500, 1, 0, 800, 100,
       "     Minimum axial load = -400.0     < Allowable tension      =  400.0     OKAY", 0},
      {500, 1, 0, 790, 100,
       "     Minimum axial load = -400.0     > Allowable tension      =  395.0     NG ***", 0},
  };
  for (const Case& c : cases) {
    PileWall(c.mdead, c.fw, c.vw, c.pilep, c.pilev);
    EXPECT_TRUE(Contains(CaptureReport(ExternalStability), c.line)) << c.line;
    EXPECT_EQ(S.IOK, c.iok) << c.line;
  }
}

// A design trial keeps the resultants of each combination it analysed for
// the pile layout search, and stops at the first failure, silently: the
// later combinations are not analysed.
TEST(ExternalStability, PileDesignTrialStoresTheResultants) {
  PileWall(5400.0f, 1.0f, 30.0f, 1000.0f, 0.0f);  // 2400 per pile fails compression
  SetCombinations({{1, 0, 0, 0, 1, 0}, {1, 0, 0, 0, 1, 0}});
  S.IMODE = 1, S.IPRINT = 0;
  EXPECT_TRUE(CaptureReport(ExternalStability).empty());
  EXPECT_EQ(S.IOK, 0);
  // The second combination is never reached.
  EXPECT_TRUE(
      testing_support::SameValues({S.HCOMB(1), S.VCOMB(1), S.MRCOMB(1), S.MOCOMB(1), S.HCOMB(2)},
                                  {30.0f, 100.0f, 5400.0f, 0.0f, 0.0f}));
}

}  // namespace
}  // namespace keldor
