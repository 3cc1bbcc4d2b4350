// Weights and righting moments about the toe.
#pragma once

namespace keldor {

// Reads the geometry (H, HT, TWMIN, BW, TF, WT, WF), the unit weights, the
// backfill (BETA and SUR, or the ground segments and surcharge lines) and the
// loads at the top. Leaves WDEAD, MDEAD, WLIVE, MLIVE, WSURV, MSURV (about the
// toe) and WSOIL, MSOIL (the soil behind the stem's base, for the footing
// heel). Writes its report section when IPRINT is 1. Needs nothing run before.
void WeightsAndMoments();

}  // namespace keldor
