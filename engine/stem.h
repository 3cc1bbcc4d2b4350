// The wall stem: base loads, design or check, and the load distribution table.
#pragma once

namespace keldor {

// Base shear and moment of every load combination, their maxima, and the
// design (design mode: fixes BW and ASW) or the checks of the base section.
// An irregular backfill runs the trial wedges at the stem first (ILOC 1),
// leaving PEH ... HBACK for the stem. Leaves VDES, MDES, TMIN, CSEC, TSEC,
// ASEC; a stem that cannot be designed sets NOSTEM. Needs RunInit.
void WallDesign();
// Shear, moment, required thickness and steel every 4 design steps down the
// stem, each the maximum over the load combinations. Uses the stem's trial
// wedges and the BW that WallDesign left; leaves VDES ... ASEC of the last
// row and IPRINT at 1.
void StemLoadTable();
// Shear V and moment M at depth y of a force P whose resultant lies r H above
// the base, from a pressure diagram with that resultant.
void DistributeEarthForce(float& P, float& y, float& r, float& V, float& M);

// Factored shear and moment of load combination i at the base of the stem.
void StemBaseLoads(int i, float& V, float& M);
// Factored shear and moment of load combination i at depth y.
void StemLoadsAtDepth(int i, float y, float& V, float& M);

}  // namespace keldor
