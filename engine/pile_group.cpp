#include "pile_group.h"

#include <cmath>

#include "format.h"
#include "results.h"
#include "state.h"

namespace keldor {

namespace {

// Messages that make the combination fail are written in review mode whatever
// IPRINT says, like the NG lines of the checks.
bool WriteFailure() { return S.IPRINT == 1 || S.IMODE != KELDOR_DESIGN; }

// The group cannot carry the combination: a failed check of the group.
void Message(const char* text) {
  if (!WriteFailure()) return;
  S.report.blank();
  ReportFailure(text, Unchecked(KELDOR_CHECK_PILE_GROUP));
}

}  // namespace

bool PileGroup(float& W, float& Mo, float& RM, float& Vp, float& Hall, float& Pmax, float& Pmin) {
  const int rows = S.NROWS;
  Hall = 0.0f;
  Pmax = 0.0f;
  Pmin = 0.0f;

  // Group properties per unit length of wall: a row spaced PILES along the
  // wall has 1 / PILES piles per unit length.
  bool spaced = rows >= 1;
  bool oneDistance = true;
  float N = 0.0f, SX = 0.0f, SXX = 0.0f;
  for (int j = 1; j <= rows; ++j) {
    if (!(S.PILES(j) > 0.0f)) spaced = false;
    if (S.PILEX(j) != S.PILEX(1)) oneDistance = false;
    N = N + 1.0f / S.PILES(j);
    SX = SX + S.PILEX(j) / S.PILES(j);
    SXX = SXX + S.PILEX(j) * S.PILEX(j) / S.PILES(j);
  }
  if (!spaced) {
    S.NPILES = 0.0f;
    for (int j = 1; j <= rows; ++j) S.PLOAD(j) = 0.0f;
    Message("   PILE GROUP HAS NO ROWS WITH POSITIVE SPACING ***");
    return false;
  }
  S.NPILES = N;
  // Rows all at one distance have their centroid there and no moment of
  // inertia; the sums would leave rounding residues, and the distribution
  // would divide by one.
  const float xcg = oneDistance ? S.PILEX(1) : SX / N;
  const float inertia = oneDistance ? 0.0f : SXX - xcg * xcg * N;

  // The resultant: W at xR from the toe. Without vertical load the net moment
  // is a couple, the same about every point.
  const bool loaded = W != 0.0f;
  float xR = 0.0f, Mcg = 0.0f;
  if (loaded) {
    xR = (RM - Mo) / W;
    Mcg = (xcg - xR) * W;
  } else {
    Mcg = Mo - RM;
  }
  // A rigid cap on rows at different distances carries any moment, a pure
  // couple included; rows all at one distance carry none.
  const bool rigid = inertia > 0.0f;
  const bool carried = rigid || Mcg == 0.0f;

  TextFile& out = S.report;
  if (S.IPRINT == 1) {
    out.blank();
    out.line("   PILE GROUP PROPERTIES:");
    out.blank();
    out.line("     Number of piles            = " + G(N));
    out.line("     Distance to pile group CG  = " + G(xcg));
    out.line("     Moment of inertia          = " + G(inertia));
    out.line("     Resultant vertical load    = " + G(W));
    if (loaded) out.line("     Distance to resultant load = " + G(xR));
    out.line("     Moment about pile group CG = " + G(Mcg));
  }
  if (!carried) Message("   PILE GROUP CANNOT RESIST MOMENT ***");
  const bool table = S.IPRINT == 1 && carried;
  if (table) {
    out.blank();
    out.line("   PILE LOADS:");
    out.blank();
    out.line("   ROW       AXIAL LOAD");
    out.line("   ---------------------");
    out.blank();
  }

  for (int j = 1; j <= rows; ++j) {
    // Rows on the same side of the centroid as the resultant carry more.
    float P = W / N;
    if (rigid) P = W / N + (xcg - S.PILEX(j)) * Mcg / inertia;
    const float load = P / std::cos(S.PILEB(j));  // along the battered pile
    S.PLOAD(j) = load;
    // A battered pile adds the horizontal component of its axial load.
    Hall = Hall + (std::sin(S.PILEB(j)) * load + Vp) / S.PILES(j);
    if (table) out.line(X(3) + I(j, 3) + X(7) + G(load));
    if (j == 1 || load > Pmax) Pmax = load;
    if (j == 1 || load < Pmin) Pmin = load;
  }
  return carried;
}

}  // namespace keldor
