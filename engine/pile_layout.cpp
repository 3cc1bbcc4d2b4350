// Pile rows of a design. StartHeelPile estimates, for every toe width the
// search tries, how many rows the lateral load needs; PileLayout tries the
// candidate layouts of a trial footing width in a fixed order and keeps the
// first that carries every load combination.
#include "pile_layout.h"

#include <cmath>
#include <string>

#include "format.h"
#include "load_combinations.h"
#include "pile_group.h"
#include "results.h"
#include "stability.h"
#include "state.h"

namespace keldor {

namespace {

// More rows than any footing can hold; an estimate beyond it (a lateral load
// with next to no capacity to carry it) is taken as this many, which puts the
// starting heel width far beyond any limit.
constexpr int kMaxRows = RealArray::kMaxEntries;

// Whole rows for the estimate: trunc(count) + 1 when `test` has a fractional
// part, else trunc(count). An estimate that is not a number counts as none.
int WholeRows(float test, float count) {
  float rows = std::trunc(count);
  if (std::trunc(test) < test) rows = rows + 1.0f;
  if (!(rows >= 2.0f)) return 2;  // at least two rows
  if (rows > static_cast<float>(kMaxRows)) return kMaxRows;
  return static_cast<int>(rows);
}

// The rows of candidate pattern k with `rows` rows for the footing width WF.
// The first three rows from the toe (never the last) are battered and stand
// at the minimum spacing from each other; the last row stands at the edge
// distance from the heel end; rows 4 ... rows - 1 are spread evenly between
// row 3 and the last. Pattern k spaces rows j >= k at twice the minimum
// spacing along the wall and the rows before it at the minimum.
void BuildRows(int rows, int k) {
  for (int j = 1; j <= rows; ++j) {
    float x = 0.0f, batter = 0.0f;
    if (j == 1) {
      x = S.PILEME;
      batter = S.PILEBAT;
    } else if (j == rows) {
      x = S.WF - S.PILEME;
    } else if (j <= 3) {
      x = S.PILEME + static_cast<float>(j - 1) * S.PILEMS;
      batter = S.PILEBAT;
    } else {
      x = S.PILEME + 2.0f * S.PILEMS +
          static_cast<float>(j - 3) * (S.WF - 2.0f * S.PILEME - 2.0f * S.PILEMS) /
              static_cast<float>(rows - 3);
    }
    S.PILEX(j) = x;
    S.PILEB(j) = batter;
    S.PILES(j) = k <= j ? 2.0f * S.PILEMS : S.PILEMS;
  }
}

void WriteCandidate(int rows) {
  for (int j = 1; j <= rows; ++j) {
    S.report.blank();
    S.report.line(I(rows, 3) + X(2) + I(j, 3) + X(2) + G(S.PILEX(j)) + G(S.PILEB(j)) +
                  G(S.PILES(j)));
  }
}

// Piles per unit length of the rows.
float PilesPerLength(int rows) {
  float N = 0.0f;
  for (int j = 1; j <= rows; ++j) N = N + 1.0f / S.PILES(j);
  return N;
}

// The pile tests of combination i for the rows in place: compression without
// the 1 % allowance, tension (allowed only under wind or seismic load, up to
// half the allowable compression), and the lateral load against the piles'
// capacity plus the passive resistance. Returns whether all pass; writes the
// verdict lines when IPRINT = 1.
bool CombinationPasses(int i) {
  CheckPlace(KELDOR_AT_PILES, i);
  const LoadSetValues set = ValuesOf(LoadSetOf(i));
  float W = S.VCOMB(i), Mo = S.MOCOMB(i), RM = S.MRCOMB(i), Vp = set.PILEV;
  float Hall = 0.0f, Pmax = 0.0f, Pmin = 0.0f;
  if (!PileGroup(W, Mo, RM, Vp, Hall, Pmax, Pmin)) return false;

  // Without a report the tests may end at the first failure: the verdict is
  // the same.
  const bool print = S.IPRINT == 1;
  return PileTests(i, S.HCOMB(i), Hall, Pmax, Pmin, set, PileTestRules::Layout(print));
}

}  // namespace

void StartHeelPile() {
  // Net lateral force with an assumed active pressure coefficient of 0.3,
  // less the passive resistance in front of the footing.
  const float depth = S.HT + S.TF + S.DK;  // in this order: the row estimate's digits
  const float Pp = 0.5f * S.KP * S.RHOS * (depth * depth);
  const float height = S.H + S.TF;
  const float Hest = 0.5f * 0.3f * S.RHOS * (height * height) - Pp;

  int rows = 0;
  if (S.PILEBAT > 0.0f) {
    // Battered piles: the horizontal component of the axial load helps. The
    // fractional test is made with the full axial load, the count with three
    // quarters of it.
    const float s = std::sin(S.PILEBAT);
    const float r1 = Hest * S.PILEMS / (S.PILEP * s + S.PILEV);
    const float r2 = Hest * S.PILEMS / (0.75f * S.PILEP * s + S.PILEV);
    rows = WholeRows(r1, r2);
  } else if (S.PILEV > 0.0f) {
    const float r = Hest * S.PILEMS / S.PILEV;
    rows = WholeRows(r, r);
  } else {
    S.report.blank();
    ReportMessage(" PILEBAT and PILEV cannot both be zero ***");
    S.STOPRUN = true;
    return;
  }
  S.NROWS = rows;
  // The footing width WT + WH is what NROWS rows at the minimum spacing need
  // with the minimum edge distance at both edges. With a wide toe this heel
  // can come out narrower than the stem base (even negative); the search
  // keeps the grid it starts and skips the heel widths that are too narrow.
  S.WH = 2.0f * S.PILEME + static_cast<float>(S.NROWS - 1) * S.PILEMS - S.WT;
}

void PileLayout() {
  const float fit = std::trunc((S.WF - 2.0f * S.PILEME) / S.PILEMS) + 1.0f;
  int Rmax = 2;
  if (fit > 6.0f) {
    Rmax = 6;
  } else if (fit > 2.0f) {
    Rmax = static_cast<int>(fit);
  }

  for (int rows = 2; rows <= Rmax; ++rows) {
    S.NROWS = rows;
    S.PILEX.resize(rows);
    S.PILEB.resize(rows);
    S.PILES.resize(rows);
    S.PLOAD.resize(rows);
    for (int k = 1; k <= rows + 1; ++k) {
      BuildRows(rows, k);
      S.NPILES = PilesPerLength(rows);
      if (S.IPRINT == 1) WriteCandidate(rows);
      if (rows == 2 && k == 1) PileLoadCombinations();

      // Every combination is tested and reported, whatever the ones before
      // gave; without a report the first failure settles the candidate (the
      // pile loads it leaves are not used). Rows without a positive spacing
      // carry nothing, combinations or not.
      S.IOK = S.PILEMS > 0.0f ? 1 : 0;
      for (int i = 1; i <= S.NLC; ++i) {
        if (S.IOK == 0 && S.IPRINT != 1) break;
        if (!CombinationPasses(i)) S.IOK = 0;
      }
      if (S.IOK == 1) return;
    }
  }
}

}  // namespace keldor
