// External stability of the wall and the soil pressure under a spread footing.
#pragma once

#include "load_combinations.h"

namespace keldor {

// How the pile tests of one combination are made.
struct PileTestRules {
  bool onePercent;     // compression passes below 1.01 of the allowable, else up to it
  bool stopAtFailure;  // return at the first failing test, writing nothing for it
  bool writeFailures;  // write the NG lines (passing lines follow IPRINT)

  // The stability analysis: the 1 % allowance and every NG line; a design
  // ends at the first failure.
  static PileTestRules Stability(bool design) { return {true, design, true}; }
  // The layout search: no allowance; with a report every test is made and
  // written, without one the first failure settles the candidate.
  static PileTestRules Layout(bool report) { return {false, !report, report}; }
};

// The pile tests of combination i with the group's results: compression,
// tension (allowed only under wind or seismic load, up to half the allowable
// compression, no allowance) and the lateral load HL against the group's
// capacity Hall plus the passive resistance (no allowance), then the note on
// the passive resistance. Returns whether every test passed.
bool PileTests(int i, float HL, float Hall, float Pmax, float Pmin, const LoadSetValues& set,
               const PileTestRules& rules);

// Checks the wall as a rigid body for every load combination: sliding,
// overturning, the resultant on the base and the soil bearing for a spread
// footing; the pile axial loads and the lateral capacity of the group for a
// pile footing. A failed check clears IOK; in design mode it ends the
// analysis, in review mode its NG line is written and the analysis goes on.
// Needs WeightsAndMoments run for the current geometry and, for a pile
// footing, the rows (set, or left by PileLayout); runs the trial wedges at the
// footing (ILOC 2) for an irregular backfill and leaves their results, which
// FootingDesign then uses. In design mode it stores each combination's
// resultants in HCOMB ... MOCOMB for a pile footing.
void ExternalStability();

// Eccentricity E of the resultant of MO, MR and V (moments about the toe)
// from the centre of the footing, positive towards the toe, and the toe and
// heel pressures. Returns false when the footing takes no pressure: no
// vertical load (V <= 0; E and both pressures are then 0), or the resultant
// outside the base (|E| >= WF / 2). The caller counts that as a failure.
[[nodiscard]] bool SoilPressure(float& MO, float& MR, float& V, float& E, float& QTOE,
                                float& QHEEL);

}  // namespace keldor
