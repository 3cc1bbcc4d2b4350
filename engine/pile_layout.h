// Pile rows of a design: the starting heel width and the layout of a trial.
#pragma once

namespace keldor {

// Reads the soil, TF, DK, HT, H, WT and the pile properties; leaves NROWS and
// WH. Estimates the rows the lateral load needs and from them the starting heel
// width WH of a toe width (NROWS rows at the minimum spacing with the edge
// distance at both edges, but never narrower than the stem base). When the piles have neither batter nor lateral
// capacity it writes " PILEBAT and PILEV cannot both be zero ***" and sets
// STOPRUN: the run must end there.
void StartHeelPile();

// Tries pile layouts for the current footing width, from few and widely
// spaced piles to many closely spaced ones, and keeps the first that passes
// every load combination (IOK = 1); otherwise IOK = 0 and the last candidate
// stays in the rows. NPILES holds the piles per unit length of the layout in
// the rows. Needs WeightsAndMoments run for the current geometry; the first
// candidate computes the combinations' resultants (HCOMB ... MOCOMB) that
// all candidates are tested with.
void PileLayout();

}  // namespace keldor
