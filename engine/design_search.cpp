// The design search: a grid over toe widths and heel widths in steps of STEP,
// each trial running the weights, the pile layout (pile footings), the
// external stability and the footing design with report writing off. The
// stem (BW, ASW) is fixed before the search, the key depth is DKMAX, and the
// footing thickness follows from the footing design of each trial.
#include "design_search.h"

#include <cmath>
#include <vector>

#include "footing.h"
#include "format.h"
#include "geometry.h"
#include "pile_layout.h"
#include "stability.h"
#include "state.h"
#include "weights.h"

namespace keldor {

namespace {

// The best design found so far.
struct BestDesign {
  bool found = false;
  float TF = 0.0f, DK = 0.0f, WT = 0.0f, WF = 0.0f, ASFTOP = 0.0f, ASFBOT = 0.0f;
  float NPILES = 0.0f;
  int NROWS = 0;
  std::vector<float> PILEX, PILEB, PILES;
};

// The footing is at least as thick as the stem at its base.
void KeepFootingUnderStem() {
  const float base = StemBaseThickness();
  if (S.TF < base) S.TF = base;
}

// One trial of the current geometry. Returns whether it passed every check.
bool TrialPasses(bool pile) {
  S.NTRIAL = S.NTRIAL + 1;
  WeightsAndMoments();
  if (pile) {
    PileLayout();
    // A layout that failed its pile tests settles the trial: the stability
    // analysis only ever clears IOK, and nothing else it leaves is kept.
    if (S.IOK == 0) return false;
  }
  ExternalStability();
  if (S.IOK == 0) return false;
  FootingDesign();
  return S.IOK == 1;
}

// Strictly smaller wins, so among equal candidates the one found first (the
// smaller toe width) stays the best.
bool Wins(bool pile, const BestDesign& best) {
  if (pile) {
    return S.NPILES < best.NPILES ||
           (S.NPILES == best.NPILES && S.WF * S.WT < best.WF * best.WT);
  }
  if (S.IOPTIM == KELDOR_BY_WIDTH) return S.WF < best.WF;
  return S.WF * S.TF < best.WF * best.TF;
}

std::vector<float> Rows(const RealArray& a, int n) {
  std::vector<float> rows(static_cast<std::size_t>(n > 0 ? n : 0));
  for (int j = 1; j <= n; ++j) rows[static_cast<std::size_t>(j - 1)] = a(j);
  return rows;
}

void SetRows(RealArray& a, const std::vector<float>& rows) {
  a.resize(static_cast<int>(rows.size()));
  for (std::size_t j = 0; j < rows.size(); ++j) a(static_cast<int>(j) + 1) = rows[j];
}

void Keep(bool pile, BestDesign& best) {
  best.found = true;
  best.TF = S.TF;
  best.DK = S.DK;
  best.WT = S.WT;
  best.WF = S.WF;
  best.ASFTOP = S.ASFTOP;
  best.ASFBOT = S.ASFBOT;
  if (!pile) return;
  best.NPILES = S.NPILES;
  best.NROWS = S.NROWS;
  best.PILEX = Rows(S.PILEX, S.NROWS);
  best.PILEB = Rows(S.PILEB, S.NROWS);
  best.PILES = Rows(S.PILES, S.NROWS);
}

void Restore(bool pile, const BestDesign& best) {
  S.TF = best.TF;
  S.DK = best.DK;
  S.WT = best.WT;
  S.WF = best.WF;
  S.ASFTOP = best.ASFTOP;
  S.ASFBOT = best.ASFBOT;
  if (!pile) return;
  // The piles per length go back with the rows: the pile layout block prints
  // them before the final analysis recomputes them.
  S.NPILES = best.NPILES;
  S.NROWS = best.NROWS;
  SetRows(S.PILEX, best.PILEX);
  SetRows(S.PILEB, best.PILEB);
  SetRows(S.PILES, best.PILES);
  S.PLOAD.resize(best.NROWS);
}

void WriteBlocks(bool pile, TextFile& out) {
  WriteConvergedDesign(out);
  if (pile) WritePileLayout(out);
}

}  // namespace

bool DesignSearch() {
  const bool pile = S.IFOOT == KELDOR_PILE_FOOTING;
  S.TF = S.TFMIN;
  S.DK = S.DKMAX;
  S.WT = S.WTMIN - S.STEP;
  S.IPRINT = 0;
  S.NTRIAL = 0;

  BestDesign best;
  best.TF = S.TF;
  best.DK = S.DK;
  best.WT = S.WT;
  best.WF = S.WTMAX + S.WHMAX;
  best.NPILES = 10.0f;

  // A width that a step no longer moves (no step, or a width so large that
  // the step is lost in its rounding) ends its loop, so the search always
  // ends.
  for (;;) {
    const float lastToe = S.WT;
    S.WT = S.WT + S.STEP;
    KeepFootingUnderStem();
    S.IOK = 1;
    if (!(S.WT <= S.WTMAX) || !(S.WT > lastToe)) break;

    if (pile) {
      StartHeelPile();
      if (S.STOPRUN) return false;
    } else {
      StartHeelSpread();
    }
    S.WH = S.WH - S.STEP;

    for (;;) {
      const float lastHeel = S.WH;
      S.WH = S.WH + S.STEP;
      S.WF = S.WT + S.WH;
      KeepFootingUnderStem();
      S.IOK = 1;
      if (!(S.WH <= S.WHMAX) || !(S.WH > lastHeel)) break;
      // A heel narrower than the stem base would end the footing under the
      // stem: no trial, and the next heel width of the same grid.
      if (S.WH < StemBaseThickness()) continue;
      if (!TrialPasses(pile)) continue;

      // Once a heel width passes, wider heels of this toe width are not
      // tried.
      WriteBlocks(pile, S.side);
      if (Wins(pile, best)) Keep(pile, best);
      break;
    }
  }

  if (!best.found) return false;
  Restore(pile, best);
  S.IMODE = KELDOR_REVIEW;
  S.IPRINT = 1;
  WriteBlocks(pile, S.report);
  return true;
}

void StartHeelSpread() {
  const float height = S.H + S.TF;
  const float P0 = 0.5f * 0.3f * S.RHOS * (height * height);
  const float T = S.H * std::tan(S.BW);
  const float B0 = S.TWMIN + T;
  const float depth = S.TF + S.HT + S.DK;  // in this order: the heel estimate's digits
  const float PP = 0.5f * S.KP * S.RHOS * (depth * depth);
  // The heel soil and footing that, with the toe, the stem and the dead load,
  // give enough base friction and cohesion against sliding.
  const float N = (S.SFSL * P0 - PP) / S.CS - (S.WT + B0) * S.COH / S.CS -
                  (S.RHOS * S.HT + S.RHOC * S.TF) * S.WT -
                  (S.RHOC * S.TWMIN * S.H + S.RHOC * S.TF * B0 + 0.5f * S.RHOC * T * S.H +
                   0.5f * S.RHOS * T * S.H) -
                  S.PD - P0 * S.SS;
  const float D = S.COH / S.CS + S.RHOC * S.TF + S.RHOS * S.H;
  float W = N / D + T + S.TWMIN;
  if (!(W >= B0)) W = B0;  // never narrower than the stem base; an undefined estimate too
  // Truncation toward zero, then one step up: a W that is already a whole
  // number of steps still moves up one step.
  S.WH = std::trunc(W / S.STEP) * S.STEP + S.STEP;
}

void WriteConvergedDesign(TextFile& out) {
  Heading(out, " C O N V E R G E D   D E S I G N");
  out.blank();
  out.line(" WALL BATTER                = " + G(Degrees(S.BW), 12, 4));
  out.line(" FOOTING THICKNESS          = " + G(S.TF, 12, 4));
  out.line(" TOE WIDTH                  = " + G(S.WT, 12, 4));
  out.line(" FOOTING WIDTH              = " + G(S.WF, 12, 4));
  out.line(" KEY DEPTH                  = " + G(S.DK, 12, 4));
  out.blank();
  out.line(" STEEL AREA AT WALL         = " + G(S.ASW, 12, 4));
  out.line(" STEEL AREA AT FOOTING TOP  = " + G(S.ASFTOP, 12, 4));
  out.line(" STEEL AREA AT FOOTING BOT  = " + G(S.ASFBOT, 12, 4));
}

void WritePileLayout(TextFile& out) {
  out.blank();
  out.line(" PILE LAYOUT FOR " + G(S.NPILES) + " PILES/WIDTH");
  out.blank();
  out.line(" ROW   DISTANCE    BATTER      SPACING");
  out.line(" --------------------------------------");
  out.blank();
  for (int i = 1; i <= S.NROWS; ++i)
    out.line(I(i, 4) + X(2) + G(S.PILEX(i)) + X(2) + G(Degrees(S.PILEB(i))) + X(2) +
             G(S.PILES(i)));
}

}  // namespace keldor
