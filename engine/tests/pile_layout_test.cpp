// Pile layout of a design: the row estimate and starting heel width, the
// candidate layouts in their order and the pile tests without the 1 %
// allowance. (The stop when the piles have neither batter nor lateral
// capacity is a golden file's.)
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

// A pile footing in design mode, piles 18 in from the edges and 36 in apart,
// under `n` combinations of dead load only (no earth pressure: KA = 0), the
// dead load W = 100 lb/in with its resultant xR from the toe.
void PileFooting(int n, float WF, float xR = 36.0f) {
  FreshState();
  S.IUNITS = S.IMODE = S.ISOIL = 1, S.IFOOT = 2, S.IPRINT = 0;
  S.H = 120.0f, S.TF = 18.0f, S.RHOS = 0.069444f, S.WF = WF, S.PILEME = 18.0f, S.PILEMS = 36.0f;
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
Lines Candidates() {
  Lines candidates;
  for (const std::string& line : CaptureReport(PileLayout))
    if (line.size() == 40 && std::isdigit(static_cast<unsigned char>(line[2])) &&
        line.compare(3, 2, "  ") == 0)
      candidates.push_back(line);
  return candidates;
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
  EXPECT_EQ(Candidates(), (Lines{
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
      "  3    3   90.00     0.000     36.00    "}));
  // No candidate passed: the last one stays in the rows, sized to it.
  EXPECT_EQ(S.IOK, 0);
  EXPECT_EQ(S.NROWS, 3);
  EXPECT_EQ(S.PILEX.size(), 3);
  EXPECT_EQ(S.PLOAD.size(), 3);
}

// WF = 300: (300 - 36) / 36 = 7.33 gives 8 rows, limited to 6. With five rows
// the fourth stands halfway between row 3 (90) and the last (282): 186; with
// six rows the inner two divide that span in three: 154 and 218. A footing
// narrower than 2 PILEME + PILEMS still gets two rows, one at each edge
// distance.
TEST(PileLayout, WideAndNarrowFootings) {
  PileFooting(1, 300.0f);
  S.PILEP = 1.0f;
  S.IPRINT = 1;
  const Lines candidates = Candidates();
  // 2 x 3 + 3 x 4 + 4 x 5 + 5 x 6 + 6 x 7 candidate lines, six rows last.
  ASSERT_EQ(candidates.size(), 110u);
  EXPECT_EQ(Lines(candidates.begin() + 38, candidates.begin() + 43),
            (Lines{"  5    1   18.00     0.000     72.00    ", "  5    2   54.00     0.000     72.00    ",
                   "  5    3   90.00     0.000     72.00    ", "  5    4   186.0     0.000     72.00    ",
                   "  5    5   282.0     0.000     72.00    "}));
  const auto rows = [] {
    std::vector<float> v;
    for (int j = 1; j <= S.NROWS; ++j) v.insert(v.end(), {S.PILEX(j), S.PILES(j)});
    return v;
  };
  EXPECT_EQ(rows(), std::vector<float>({18, 36, 54, 36, 90, 36, 154, 36, 218, 36, 282, 36}));
  PileFooting(1, 60.0f);
  S.PILEP = 1.0f;
  PileLayout();
  EXPECT_EQ(rows(), std::vector<float>({18, 36, 42, 36}));
}

// ---- The pile tests ---------------------------------------------------------------

// WF = 72, rows at 18 and 54, W = 100 at the middle (xR = 36). Pattern 1
// (72, 72): N = 1/36, every pile 3600. Pattern 2 (36, 72): N = 1/24,
// centroid 30, I = 9 + 40.5 - 37.5 = 12, Mcg = -600, loads 1800 and 3600.
// Pattern 3 (36, 36): every pile 1800. With the resultant 6 in from the toe
// pattern 1 (Mcg = 3000) loads the piles 9600 and -2400. Vertical piles with
// 3600 lateral each carry 3600 / 36 = 100 in pattern 1, 150 in pattern 2 and
// 200 in pattern 3.
TEST(PileLayout, FirstCandidateThatPassesEveryTestIsKept) {
  struct Case {
    const char* why;
    int combinations, windCombination;
    float xR, pilep, pilepw, pilev, vw;
    int iok;
    float piles;  // per inch of wall
  };
  const Case cases[] = {
      {"3600 within 3601", 1, 0, 36, 3601, 1e6f, 0, 0, 1, 1 / 36.0f},
      // 0.3 % over: the stability checks would pass it, the layout does not
      {"no 1 % allowance", 1, 0, 36, 3590, 1e6f, 0, 0, 1, 1 / 18.0f},
      // combination 2 has only dead load: the regular allowable, not the
      // wind one of combination 1 before it
      {"regular after wind", 2, 1, 36, 3590, 10000, 0, 0, 1, 1 / 18.0f},
      // tension under wind passes up to half the allowable compression
      {"wind tension", 1, 1, 6, 1e6f, 10000, 0, 0, 1, 1 / 36.0f},
      {"wind compression", 1, 1, 6, 1e6f, 4000, 0, 0, 0, 0},  // 9600, 4800, 4800 all fail
      {"regular tension", 1, 0, 6, 10000, 1e6f, 0, 0, 0, 0},  // -2400, -1200: no pattern
      {"lateral equal to capacity", 1, 1, 36, 1e6f, 1e6f, 3600, 150, 1, 1 / 24.0f},
      {"lateral above capacity", 1, 1, 36, 1e6f, 1e6f, 3600, 150.01f, 1, 1 / 18.0f},
  };
  for (const Case& c : cases) {
    PileFooting(c.combinations, 72.0f, c.xR);
    if (c.windCombination > 0) S.FW(c.windCombination) = 1.0f;
    S.PILEP = c.pilep, S.PILEPW = c.pilepw, S.PILEV = S.PILEVW = c.pilev, S.VW = c.vw;
    S.MDEAD += c.vw * (120.0f + 18.0f);  // the resultant stays at xR
    PileLayout();
    EXPECT_EQ(S.IOK, c.iok) << c.why;
    if (c.iok == 1) {
      EXPECT_FLOAT_EQ(S.NPILES, c.piles) << c.why;
    }
    EXPECT_EQ(S.HCOMB(1), c.vw) << c.why;
  }
}

// With IPRINT = 1 every combination of a candidate is tested and reported,
// the first one's failure does not stop the second.
TEST(PileLayout, EveryCombinationIsTested) {
  PileFooting(2, 72.0f);
  S.PILEP = 100.0f;
  S.FW(2) = 1.0f;
  S.IPRINT = 1;
  Lines verdicts;
  for (const std::string& line : CaptureReport(PileLayout))
    if (line.rfind("     Maximum axial load", 0) == 0) verdicts.push_back(line);
  ASSERT_EQ(verdicts.size(), 6u);  // 3 candidates x 2 combinations
  EXPECT_EQ(verdicts[0], "     Maximum axial load =  3600.     > Allowable compression  =  100.0     NG ***");
  EXPECT_EQ(verdicts[1], "     Maximum axial load =  3600.     < Allowable compression  = 0.1000E+07 OKAY");
  EXPECT_EQ(S.IOK, 0);
}

// ---- Starting heel width ------------------------------------------------------------

// RHOS = 1 and H + TF = 16 make the estimated force 0.15 x 256 = 38.4 with no
// passive resistance.
void EstimateSetUp(float pilev, float pilems) {
  FreshState();
  S.RHOS = 1.0f, S.H = 10.0f, S.TF = 6.0f, S.PILEME = 18.0f, S.WT = 12.0f, S.PILEP = 200.0f;
  S.PILEV = pilev, S.PILEMS = pilems;
}
const float kHest = 0.5f * 0.3f * 1.0f * 256.0f;

// Vertical piles with the lateral capacity equal to the estimate: PILEMS = 3
// gives exactly 3 rows, and PILEMS = 3.2 gives 3.2, so 4 rows. Battered
// piles: the fraction is tested on r1 (the full axial component), the count
// taken from r2 (three quarters of it). PILEV = Hest - PILEP sin makes r1 = 3
// exactly while r2 = 115.2 / 29.72 = 3.88: 3 rows. With PILEV = 0, r1 = 3.32
// and r2 = 4.42: 5 rows.
TEST(StartHeelPile, RowCountRoundsUpOnlyAFraction) {
  EstimateSetUp(kHest, 3.0f);
  StartHeelPile();
  EXPECT_EQ(S.NROWS, 3);
  EXPECT_EQ(S.WH, 2.0f * 18.0f + 2.0f * 3.0f - 12.0f);  // rows at the minimum spacing
  S.PILEMS = 3.2f;
  StartHeelPile();
  EXPECT_EQ(S.NROWS, 4);
  EXPECT_FALSE(S.STOPRUN);

  S.PILEMS = 3.0f;
  S.PILEBAT = Radians(10.0f);
  S.PILEV = kHest - S.PILEP * std::sin(S.PILEBAT);  // exact: within a factor 2
  StartHeelPile();
  EXPECT_EQ(S.NROWS, 3);
  S.PILEV = 0.0f;
  StartHeelPile();
  EXPECT_EQ(S.NROWS, 5);
}

// Passive resistance larger than the estimated active force: no rows needed
// by the estimate, two by the rule. They need a footing of 2 x 18 + 3 = 39;
// with a toe of 40 the heel estimate is -1, kept as it is: the search skips
// the heel widths of its grid that are narrower than the stem base.
TEST(StartHeelPile, NoNetLateralForceGivesTwoRows) {
  EstimateSetUp(10.0f, 3.0f);
  S.KP = 3.0f;
  S.HT = 10.0f;
  StartHeelPile();
  EXPECT_EQ(S.NROWS, 2);
  EXPECT_EQ(S.WH, 2.0f * 18.0f + 3.0f - 12.0f);
  S.HT = 40.0f;  // passive 0.5 x 3 x 46^2 = 3174 > active 0.15 x 126^2 = 2381
  S.H = 120.0f, S.TWMIN = 12.0f, S.BW = std::atan(0.05f), S.WT = 40.0f;
  StartHeelPile();
  EXPECT_EQ(S.NROWS, 2);
  EXPECT_EQ(S.WH, -1.0f);
  S.WT = 12.0f;
  StartHeelPile();
  EXPECT_EQ(S.WH, 27.0f);
}

}  // namespace
}  // namespace keldor
