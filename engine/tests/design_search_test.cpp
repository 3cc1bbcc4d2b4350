// The design search: the starting heel width of a spread footing, the grid
// over toe and heel widths, the strictly-smaller comparisons, the restore of
// the best design and the blocks it writes to the side file and the report.
// (The pile stop is a golden file's.)
#include "design_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "keldor.h"
#include "reference_wall.h"
#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using testing_support::Capture;
using testing_support::FreshState;
using testing_support::SetReferenceWall;

// The values of the lines that start with `label`, in order.
Lines Values(const Lines& lines, const std::string& label) {
  Lines values;
  for (const std::string& line : lines)
    if (line.rfind(label, 0) == 0) values.push_back(line.substr(label.size()));
  return values;
}
const std::string kWidth = " FOOTING WIDTH              = ";

// ---- Starting heel width of a spread footing ---------------------------------------

// No footing, soil or friction terms: with RHOS = 1 and H = 120 the divisor
// is 120, and the estimate is W = -PD / 120 + TWMIN (an uplift PD makes N
// positive): 24 is already a whole number of steps, 25 is not, and -8 lies
// below the stem base 12.
TEST(StartHeelSpread, RoundsUpToTheStepAbove) {
  for (const auto& [pd, wh] : {std::pair{-1440.0f, 30.0f}, {-1560.0f, 30.0f}, {2400.0f, 18.0f}}) {
    FreshState();
    S.STEP = 6.0f, S.RHOS = 1.0f, S.H = 120.0f, S.CS = 0.5f, S.TWMIN = 12.0f, S.PD = pd;
    StartHeelSpread();
    EXPECT_EQ(S.WH, wh) << pd;
  }
}

// The reference wall: P0 = 0.15 x 0.069444 x 138^2 = 198.4; with the 18 in
// footing, no batter and no toe, N = 1.5 x 198.4 / 0.5 - 1.5625 x 0
// - (0.086806 x 12 x 120 + 0.086806 x 18 x 12) = 451.4 and
// D = 0.086806 x 18 + 0.069444 x 120 = 9.896, so W = 45.6 + 12 = 57.6 and
// WH = 9 x 6 + 6 = 60 (hand).
TEST(StartHeelSpread, ReferenceWall) {
  FreshState();
  SetReferenceWall(0.0f, 0.0f);
  S.WT = 0.0f;
  StartHeelSpread();
  EXPECT_EQ(S.WH, 60.0f);
}

// ---- The search on a spread footing --------------------------------------------------

// The reference wall in design mode: toe widths 0 ... 60, heels up to 200,
// the stem fixed at 12 in without batter.
void ReferenceDesign(int optimise) {
  FreshState();
  SetReferenceWall(0.0f, 0.0f);
  S.IMODE = 1, S.IOPTIM = optimise, S.TFMIN = 18.0f, S.DKMAX = 0.0f, S.BW = 0.0f, S.ASW = 0.25f;
  S.WTMIN = 0.0f, S.WTMAX = 60.0f, S.WHMAX = 200.0f;
}

// Every heel starts at 60. With no toe the kern rule holds the heel to 84;
// with 6 in of toe, heels of 60 (sliding) and 66 (kern) fail and 72 passes,
// so WF = 78; with 12 in, 66 passes and WF = 78 again. The equal width found
// later does not win: the 6 in toe is the design.
TEST(DesignSearch, EqualWidthsKeepTheSmallerToe) {
  ReferenceDesign(2);
  Capture side(S.side);
  bool found = false;
  const Lines report = CaptureReport([&] { found = DesignSearch(); });
  ASSERT_TRUE(found);
  EXPECT_EQ(std::vector<float>({S.WT, S.WF}), std::vector<float>({6.0f, 78.0f}));
  EXPECT_EQ(S.IMODE, 2);
  EXPECT_EQ(S.IPRINT, 1);

  // One block per toe width, in increasing toe width; the last one written
  // is not the design.
  const Lines blocks = side.lines();
  EXPECT_EQ(Values(blocks, " TOE WIDTH                  = "),
            Lines({"   0.000    ", "   6.000    ", "   12.00    ", "   18.00    ", "   24.00    ",
                   "   30.00    ", "   36.00    ", "   42.00    ", "   48.00    ", "   54.00    ",
                   "   60.00    "}));
  EXPECT_EQ(Values(blocks, kWidth),
            Lines({"   84.00    ", "   78.00    ", "   78.00    ", "   84.00    ", "   84.00    ",
                   "   90.00    ", "   96.00    ", "   102.0    ", "   108.0    ", "   114.0    ",
                   "   120.0    "}));
  // The report's block is the side file's block of the 6 in toe (the
  // second of 13 lines each), with that trial's footing steel.
  ASSERT_EQ(blocks.size(), 11u * 13u);
  EXPECT_EQ(report, Lines(blocks.begin() + 13, blocks.begin() + 26));
  EXPECT_EQ(report[6], " TOE WIDTH                  =    6.000    ");
}

// A trial starts with the footing at least as thick as the stem at its base
// (the footing design may then change it), and the key depth is the
// maximum. Seen here after the one toe-width step of a search with no toe
// width to try.
TEST(DesignSearch, TrialFootingNoThinnerThanTheStemBase) {
  ReferenceDesign(2);
  S.TFMIN = 6.0f, S.DKMAX = 3.0f, S.WTMIN = 66.0f;
  S.BW = std::atan(8.0f / 120.0f);  // base 12 + 8 = 20
  Capture side(S.side);
  EXPECT_FALSE(DesignSearch());
  EXPECT_FLOAT_EQ(S.TF, 20.0f);
  EXPECT_EQ(S.DK, 3.0f);
  EXPECT_EQ(S.NTRIAL, 0);
}

// WTMIN > WTMAX: no trial runs, nothing is written, the model stays in
// design mode. A step that does not move the toe width ends the search
// instead of running on.
TEST(DesignSearch, NoToeWidthToTryDoesNotConverge) {
  ReferenceDesign(1);
  S.WTMIN = 66.0f;
  Capture side(S.side), report;
  EXPECT_FALSE(DesignSearch());
  EXPECT_TRUE(report.lines().empty());
  EXPECT_TRUE(side.lines().empty());
  EXPECT_EQ(S.IMODE, 1);
  ReferenceDesign(1);
  S.STEP = 0.0f;
  Capture again(S.side);
  EXPECT_FALSE(DesignSearch());
}

// The only trial that passes has the largest widths, WT + WH = WTMAX + WHMAX,
// which is the initial best width: it is recorded but does not win.
TEST(DesignSearch, PassingTrialThatDoesNotBeatTheInitialRecord) {
  ReferenceDesign(2);
  S.WTMIN = S.WTMAX = 6.0f, S.WHMAX = 72.0f;
  Capture side(S.side), report;
  EXPECT_FALSE(DesignSearch());
  EXPECT_EQ(Values(side.lines(), kWidth), Lines({"   78.00    "}));
  EXPECT_TRUE(report.lines().empty());
}

// ---- The search on a pile footing ----------------------------------------------------

// The reference wall on piles 18 in from the edges and 36 in apart.
void PileDesign(float batterDegrees, float axial, float lateral) {
  ReferenceDesign(1);
  S.IFOOT = 2, S.PILEME = 18.0f, S.PILEMS = 36.0f, S.PILEBAT = Radians(batterDegrees);
  S.PILEP = S.PILEPW = S.PILEPEQ = axial;
  S.PILEV = S.PILEVW = S.PILEVEQ = lateral;
}

// Vertical piles, 20000 axial and 8000 lateral (hand, rounded):
// - toe 48 on 72: W = 337.5 at 21.5 from the toe, HL = 220.4; rows 18 and 54
//   at 72 carry 12150 + 18 x 4889 / 9 = 21930 > 20000; at (36, 72) 10960
//   and 2370, lateral 8000 / 36 + 8000 / 72 = 333: passes, 1/24 pile per inch;
// - toe 54 on 72: W = 287.5 at 16.9; 21330 at (72, 72), tension at
//   (36, 72) and (36, 36): fails. On 78 (rows 18 and 60): W = 346.9 at
//   26.9, 12490 + 21 x 4214 / 12.25 = 19710 < 20000, lateral 222.2 > 220.4:
//   passes at (72, 72), 1/36 pile per inch, and wins over the narrower
//   footings.
TEST(DesignSearch, FewerPilesWinOverANarrowerFooting) {
  PileDesign(0.0f, 20000.0f, 8000.0f);
  Capture side(S.side), report;
  ASSERT_TRUE(DesignSearch());
  const Lines blocks = side.lines();
  EXPECT_EQ(Values(blocks, " PILE LAYOUT FOR ")[2], "0.4167E-01 PILES/WIDTH");
  EXPECT_EQ(Values(blocks, kWidth)[2], "   72.00    ");
  EXPECT_EQ(std::vector<float>({S.WT, S.WF}), std::vector<float>({54.0f, 78.0f}));
  EXPECT_FLOAT_EQ(S.NPILES, 1.0f / 36.0f);
}

// A wide toe puts the heel estimate below the stem base: toe 64 on two rows
// gives 2 x 18 + 36 - 64 = 8, and the grid 8, 14, 20, ... skips 8 (a
// footing ending under the 12 in stem) and tries 14 first, its next value,
// not the stem base 12. With ample piles 14 fails and 20 passes: two trials,
// footing 84 (from the stem base the grid would have given 76 or 82).
TEST(DesignSearch, PileHeelKeepsItsGridAndSkipsHeelsUnderTheStem) {
  PileDesign(0.0f, 1.0e6f, 1.0e5f);
  S.WTMIN = S.WTMAX = 64.0f;
  Capture side(S.side), report;
  ASSERT_TRUE(DesignSearch());
  EXPECT_EQ(S.NTRIAL, 2);
  EXPECT_EQ(Values(side.lines(), kWidth), Lines({"   84.00    "}));
}

// Battered piles with little lateral capacity: the 12 in toe wins with two
// rows (1/24 pile per inch); later toe widths need footings of 108 in with
// three rows (1/36 + 1/36 + 1/72). The restore brings back the two rows,
// their loads array and their piles per inch, which the pile layout block
// prints.
TEST(DesignSearch, RestoresTheBestPileLayout) {
  PileDesign(15.0f, 20000.0f, 2000.0f);
  Capture side(S.side);
  bool found = false;
  const Lines report = CaptureReport([&] { found = DesignSearch(); });
  ASSERT_TRUE(found);
  const Lines blocks = side.lines();
  EXPECT_EQ(Values(blocks, kWidth).back(), "   108.0    ");
  EXPECT_EQ(Values(blocks, " PILE LAYOUT FOR ").back(), "0.6944E-01 PILES/WIDTH");

  EXPECT_EQ(std::vector<float>({S.WT, S.WF}), std::vector<float>({12.0f, 72.0f}));
  EXPECT_EQ(S.NROWS, 2);
  for (const RealArray* a : {&S.PILEX, &S.PILEB, &S.PILES, &S.PLOAD}) EXPECT_EQ(a->size(), 2);
  EXPECT_EQ(Lines(report.end() - 7, report.end()),
            (Lines{" PILE LAYOUT FOR 0.4167E-01 PILES/WIDTH", "",
                   " ROW   DISTANCE    BATTER      SPACING", " --------------------------------------",
                   "", "   1   18.00       15.00       36.00    ",
                   "   2   54.00       0.000       72.00    "}));
}

}  // namespace
}  // namespace keldor
