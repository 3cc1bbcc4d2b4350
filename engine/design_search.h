// The design search over toe and heel widths.
#pragma once

#include "report.h"

namespace keldor {

// Searches the toe widths WTMIN, WTMIN + STEP, ... WTMAX and, for each, the
// heel widths from the starting estimate upward to WHMAX, stopping at the
// first heel width that passes the weights, stability (and pile layout) and
// footing analyses. Every passing trial is written to the side file. Returns
// true when a design was found: the best one is then restored, the model is
// switched to review mode with report writing on, and the converged design
// is written to the report. Returns false when none was found, or when the
// run must stop (STOPRUN, after the message of StartHeelPile). Needs
// WallDesign run before: the stem it fixed (BW, ASW) is searched under.
bool DesignSearch();

// Starting heel width WH of a spread footing for the current toe width: the
// heel whose soil and concrete weight would resist sliding under an earth
// force with an assumed pressure coefficient of 0.3, rounded up to the next
// whole step above.
void StartHeelSpread();

// The converged-design block of the current values and, for a pile footing,
// the pile layout block of the current rows.
void WriteConvergedDesign(TextFile& out);
void WritePileLayout(TextFile& out);

}  // namespace keldor
