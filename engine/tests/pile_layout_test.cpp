// Pile layout of a design: the row estimate and starting heel width, the
// candidate layouts in their order, the pile tests without the 1 % allowance,
// and the stop when the piles have neither batter nor lateral capacity.
#include "pile_layout.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "report_capture.h"
#include "state.h"

namespace keldor {
namespace {

using testing_support::FreshState;
using testing_support::SameLines;

using Lines = std::vector<std::string>;

// A pile footing in design mode, piles 18 in from the edges and 36 in apart,
// under `n` combinations of dead load only (no earth pressure: KA = 0), the
// dead load W = 100 lb/in with its resultant xR from the toe.
void PileFooting(int n, float WF, float xR = 36.0f) {
  FreshState();
  S.IUNITS = 1;
  S.IMODE = 1;
  S.IFOOT = 2;
  S.ISOIL = 1;
  S.IPRINT = 0;
  S.H = 120.0f;
  S.TF = 18.0f;
  S.RHOS = 0.069444f;
  S.WF = WF;
  S.PILEME = 18.0f;
  S.PILEMS = 36.0f;
  S.PILEP = S.PILEPW = S.PILEPEQ = 1.0e6f;
  S.NLC = n;
  for (RealArray* a : {&S.FD, &S.FL, &S.FE, &S.FSUR, &S.FW, &S.FEQ, &S.HCOMB, &S.VCOMB,
                       &S.MRCOMB, &S.MOCOMB})
    a->resize(n);
  for (int i = 1; i <= n; ++i) S.FD(i) = 1.0f;
  S.WDEAD = 100.0f;
  S.MDEAD = 100.0f * xR;
}

// The candidate lines that PileLayout writes with IPRINT = 1: rows (I3), row
// (I3) and three G10.4 fields, 40 columns.
Lines Candidates(const Lines& report) {
  Lines candidates;
  for (const std::string& line : report)
    if (line.size() == 40 && std::isdigit(static_cast<unsigned char>(line[2])) &&
        line.compare(3, 2, "  ") == 0)
      candidates.push_back(line);
  return candidates;
}

// The rows in the arrays: distance, batter (radians) and spacing.
struct Row {
  float x, batter, spacing;
};
std::vector<Row> Rows() {
  std::vector<Row> rows;
  for (int j = 1; j <= S.NROWS; ++j) rows.push_back({S.PILEX(j), S.PILEB(j), S.PILES(j)});
  return rows;
}

// ---- Candidate layouts ---------------------------------------------------------

// WF = 108: Rmax = aint(72 / 36) + 1 = 3, so two rows and then three rows are
// tried, each from every row at twice the spacing to every row at the
// minimum, tightening from the toe. The first rows are battered (15 degrees
// = 0.2618 rad), the last never.
TEST(PileLayout, CandidatesOfAHundredAndEightInchFooting) {
  PileFooting(1, 108.0f);
  S.PILEBAT = Radians(15.0f);
  S.PILEP = 1.0f;  // every candidate fails
  S.IPRINT = 1;
  const Lines candidates = Candidates(CaptureReport(PileLayout));
  const Lines expected = {
      "  2    1   18.00    0.2618     72.00    ", "  2    2   90.00     0.000     72.00    ",
      "  2    1   18.00    0.2618     36.00    ", "  2    2   90.00     0.000     72.00    ",
      "  2    1   18.00    0.2618     36.00    ", "  2    2   90.00     0.000     36.00    ",
      "  3    1   18.00    0.2618     72.00    ", "  3    2   54.00    0.2618     72.00    ",
      "  3    3   90.00     0.000     72.00    ",
      "  3    1   18.00    0.2618     36.00    ", "  3    2   54.00    0.2618     72.00    ",
      "  3    3   90.00     0.000     72.00    ",
      "  3    1   18.00    0.2618     36.00    ", "  3    2   54.00    0.2618     36.00    ",
      "  3    3   90.00     0.000     72.00    ",
      "  3    1   18.00    0.2618     36.00    ", "  3    2   54.00    0.2618     36.00    ",
      "  3    3   90.00     0.000     36.00    ",
  };
  EXPECT_TRUE(SameLines(candidates, expected));
  // No candidate passed: the last one stays in the rows, sized to it.
  EXPECT_EQ(S.IOK, 0);
  EXPECT_EQ(S.NROWS, 3);
  EXPECT_EQ(S.PILEX.size(), 3);
  EXPECT_EQ(S.PLOAD.size(), 3);
}

// WF = 300: (300 - 36) / 36 = 7.33 gives 8 rows, limited to 6. With five rows
// the fourth stands halfway between row 3 (90) and the last (282): 186; with
// six rows the inner two divide that span in three: 154 and 218.
TEST(PileLayout, WideFooting) {
  PileFooting(1, 300.0f);
  S.PILEP = 1.0f;
  S.IPRINT = 1;
  const Lines candidates = Candidates(CaptureReport(PileLayout));
  // 2 x 3 + 3 x 4 + 4 x 5 + 5 x 6 + 6 x 7 candidate lines, six rows last.
  ASSERT_EQ(candidates.size(), 110u);
  const Lines firstOfFive(candidates.begin() + 38, candidates.begin() + 43);
  EXPECT_TRUE(SameLines(firstOfFive, {"  5    1   18.00     0.000     72.00    ",
                                      "  5    2   54.00     0.000     72.00    ",
                                      "  5    3   90.00     0.000     72.00    ",
                                      "  5    4   186.0     0.000     72.00    ",
                                      "  5    5   282.0     0.000     72.00    "}));
  const std::vector<Row> rows = Rows();
  ASSERT_EQ(rows.size(), 6u);
  const float x[] = {18.0f, 54.0f, 90.0f, 154.0f, 218.0f, 282.0f};
  for (std::size_t j = 0; j < 6; ++j) {
    EXPECT_EQ(rows[j].x, x[j]) << "row " << j + 1;
    EXPECT_EQ(rows[j].spacing, 36.0f) << "row " << j + 1;
  }
}

// A footing narrower than 2 PILEME + PILEMS still gets two rows, one at each
// edge distance.
TEST(PileLayout, NarrowFootingStillHasTwoRows) {
  PileFooting(1, 60.0f);
  S.PILEP = 1.0f;
  PileLayout();
  const std::vector<Row> rows = Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].x, 18.0f);
  EXPECT_EQ(rows[1].x, 42.0f);
}

// ---- The pile tests ---------------------------------------------------------------

// WF = 72, rows at 18 and 54, W = 100 at the middle (xR = 36). Pattern 1
// (72, 72): N = 1/36, every pile 3600. Pattern 2 (36, 72): N = 1/24,
// centroid 30, I = 9 + 40.5 - 37.5 = 12, Mcg = -600, loads 1800 and 3600.
// Pattern 3 (36, 36): every pile 1800.
TEST(PileLayout, FirstPassingCandidateIsKept) {
  PileFooting(1, 72.0f);
  S.PILEP = 3601.0f;
  PileLayout();
  EXPECT_EQ(S.IOK, 1);
  EXPECT_EQ(S.NROWS, 2);
  EXPECT_FLOAT_EQ(S.NPILES, 1.0f / 36.0f);
  EXPECT_EQ(S.PILES(1), 72.0f);
}

// 3600 against 3590 is 0.3 % over: the stability checks would pass it, the
// layout search does not, and pattern 2 fails too; pattern 3 is kept.
TEST(PileLayout, CompressionHasNoOnePercentAllowance) {
  PileFooting(1, 72.0f);
  S.PILEP = 3590.0f;
  PileLayout();
  EXPECT_EQ(S.IOK, 1);
  EXPECT_EQ(S.NROWS, 2);
  EXPECT_FLOAT_EQ(S.NPILES, 1.0f / 18.0f);
  EXPECT_EQ(S.PILES(1), 36.0f);
  EXPECT_EQ(S.PILES(2), 36.0f);
}

// Combination 1 is a wind combination with a generous allowable; combination
// 2 has only dead load, so it uses the regular allowable, not the wind one
// that came before it.
TEST(PileLayout, CombinationWithoutEarthWindOrSeismicUsesRegularAllowables) {
  PileFooting(2, 72.0f);
  S.FW(1) = 1.0f;
  S.PILEPW = 10000.0f;
  S.PILEP = 3590.0f;
  PileLayout();
  EXPECT_EQ(S.IOK, 1);
  EXPECT_FLOAT_EQ(S.NPILES, 1.0f / 18.0f);
}

// The resultant 6 in from the toe: pattern 1 (centroid 36, I = 9,
// Mcg = 3000) loads the piles 9600 and -2400. Under wind the tension passes
// up to half the allowable compression; under regular loads no tension
// passes, and no pattern avoids it (-2400, -1200), so nothing is kept.
TEST(PileLayout, TensionOnlyUnderWindOrSeismicUpToHalfTheCompression) {
  PileFooting(1, 72.0f, 6.0f);
  S.FW(1) = 1.0f;
  S.PILEPW = 10000.0f;
  PileLayout();
  EXPECT_EQ(S.IOK, 1);
  EXPECT_FLOAT_EQ(S.NPILES, 1.0f / 36.0f);

  S.PILEPW = 4000.0f;  // the largest loads, 9600, 4800 and 4800, all exceed it
  PileLayout();
  EXPECT_EQ(S.IOK, 0);

  PileFooting(1, 72.0f, 6.0f);
  S.PILEP = 10000.0f;
  PileLayout();
  EXPECT_EQ(S.IOK, 0);
}

// Vertical piles with 3600 lateral each: pattern 1 carries 3600 / 36 = 100,
// pattern 2 3600 / 36 + 3600 / 72 = 150, pattern 3 200. A lateral load equal
// to the capacity passes; one above it moves on.
TEST(PileLayout, LateralLoadEqualToTheCapacityPasses) {
  PileFooting(1, 72.0f);
  S.FW(1) = 1.0f;
  S.PILEV = S.PILEVW = 3600.0f;
  S.VW = 150.0f;
  S.MDEAD = 100.0f * 36.0f + 150.0f * (120.0f + 18.0f);  // resultant kept at 36
  PileLayout();
  EXPECT_EQ(S.HCOMB(1), 150.0f);
  EXPECT_EQ(S.IOK, 1);
  EXPECT_FLOAT_EQ(S.NPILES, 1.0f / 24.0f);

  S.VW = 150.01f;
  S.MDEAD = 100.0f * 36.0f + 150.01f * (120.0f + 18.0f);
  PileLayout();
  EXPECT_EQ(S.IOK, 1);
  EXPECT_FLOAT_EQ(S.NPILES, 1.0f / 18.0f);
}

// With IPRINT = 1 every combination of a candidate is tested and reported,
// the first one's failure does not stop the second.
TEST(PileLayout, EveryCombinationIsTested) {
  PileFooting(2, 72.0f);
  S.PILEP = 100.0f;
  S.FW(2) = 1.0f;
  S.PILEPW = 1.0e6f;
  S.IPRINT = 1;
  const Lines report = CaptureReport(PileLayout);
  Lines verdicts;
  for (const std::string& line : report)
    if (line.rfind("     Maximum axial load", 0) == 0) verdicts.push_back(line);
  ASSERT_EQ(verdicts.size(), 6u);  // 3 candidates x 2 combinations
  EXPECT_EQ(verdicts[0], "     Maximum axial load =  3600.     > Allowable compression  =  100.0     NG ***");
  EXPECT_EQ(verdicts[1], "     Maximum axial load =  3600.     < Allowable compression  = 0.1000E+07 OKAY");
  EXPECT_EQ(S.IOK, 0);
}

// ---- Starting heel width ------------------------------------------------------------

// RHOS = 1 and H + TF = 16 make the estimated force 0.15 x 256 = 38.4 with no
// passive resistance; with the lateral capacity equal to it, PILEMS = 3 gives
// exactly 3 rows and PILEMS = 3.2 gives 3.2, so 4 rows.
void EstimateSetUp() {
  FreshState();
  S.RHOS = 1.0f;
  S.H = 10.0f;
  S.TF = 6.0f;
  S.PILEME = 18.0f;
  S.WT = 12.0f;
  S.PILEP = 200.0f;
}
const float kHest = 0.5f * 0.3f * 1.0f * 256.0f;

TEST(StartHeelPile, VerticalPilesRoundUpOnlyAFraction) {
  EstimateSetUp();
  S.PILEV = kHest;
  S.PILEMS = 3.0f;
  StartHeelPile();
  EXPECT_EQ(S.NROWS, 3);
  EXPECT_EQ(S.WH, 2.0f * 18.0f + 2.0f * 3.0f - 12.0f);  // rows at the minimum spacing
  S.PILEMS = 3.2f;
  StartHeelPile();
  EXPECT_EQ(S.NROWS, 4);
  EXPECT_FALSE(S.STOPRUN);
}

// Battered piles: the fraction is tested on r1 (the full axial component),
// the count taken from r2 (three quarters of it). PILEV = Hest - PILEP sin
// makes r1 = 3 exactly while r2 = 115.2 / 29.72 = 3.88: 3 rows. With
// PILEV = 0, r1 = 3.32 and r2 = 4.42: 5 rows.
TEST(StartHeelPile, BatteredPilesTestOneRatioAndCountTheOther) {
  EstimateSetUp();
  S.PILEBAT = Radians(10.0f);
  S.PILEMS = 3.0f;
  S.PILEV = kHest - S.PILEP * std::sin(S.PILEBAT);  // exact: within a factor 2
  StartHeelPile();
  EXPECT_EQ(S.NROWS, 3);
  S.PILEV = 0.0f;
  StartHeelPile();
  EXPECT_EQ(S.NROWS, 5);
}

// Passive resistance larger than the estimated active force: no rows needed
// by the estimate, two by the rule.
TEST(StartHeelPile, NoNetLateralForceGivesTwoRows) {
  EstimateSetUp();
  S.PILEV = 10.0f;
  S.PILEMS = 3.0f;
  S.KP = 3.0f;
  S.HT = 10.0f;
  StartHeelPile();
  EXPECT_EQ(S.NROWS, 2);
  EXPECT_EQ(S.WH, 2.0f * 18.0f + 3.0f - 12.0f);
}

// Two rows need a footing of 2 x 18 + 3 = 39; with a toe of 40 that footing
// would end in front of the stem. The heel starts at the stem base instead,
// 12 + 120 x tan(BW) = 12 + 6 = 18.
TEST(StartHeelPile, HeelNeverStartsNarrowerThanTheStemBase) {
  EstimateSetUp();
  S.PILEV = 10.0f;
  S.PILEMS = 3.0f;
  S.KP = 3.0f;
  S.HT = 40.0f;  // passive 0.5 x 3 x 46^2 = 3174 > active 0.15 x 126^2 = 2381
  S.H = 120.0f;
  S.TF = 6.0f;
  S.TWMIN = 12.0f;
  S.BW = std::atan(0.05f);
  S.WT = 40.0f;
  StartHeelPile();
  EXPECT_EQ(S.NROWS, 2);
  EXPECT_FLOAT_EQ(S.WH, 18.0f);
  S.WT = 12.0f;  // 39 - 12 = 27 covers the base
  StartHeelPile();
  EXPECT_EQ(S.WH, 27.0f);
}

// Neither batter nor lateral capacity: the message, whatever IPRINT is, and
// the run must stop; nothing else changes.
TEST(StartHeelPile, NoBatterAndNoLateralCapacityStopsTheRun) {
  EstimateSetUp();
  S.PILEMS = 3.0f;
  S.NROWS = 7;
  S.WH = 5.0f;
  S.IPRINT = 0;
  const Lines report = CaptureReport(StartHeelPile);
  EXPECT_TRUE(SameLines(report, {"", " PILEBAT and PILEV cannot both be zero ***"}));
  EXPECT_TRUE(S.STOPRUN);
  EXPECT_EQ(S.NROWS, 7);
  EXPECT_EQ(S.WH, 5.0f);
}

}  // namespace
}  // namespace keldor
