// Distribution of one load combination over the pile rows (rigid cap).
#pragma once

namespace keldor {

// Distributes the vertical load W and the net moment RM - Mo of one
// combination over the rows PILEX, PILEB, PILES: the load per pile varies
// linearly with the distance of its row from the centroid of the group.
// Leaves NPILES and PLOAD; returns the allowable lateral load of the group per
// unit length of wall (Vp per pile plus the horizontal components of battered
// piles) in Hall and the largest and smallest axial pile loads.
//
// With W = 0 the net moment is a couple, which rows at different distances
// carry as equal and opposite loads about the centroid.
//
// Returns false when the group cannot carry the combination: no row with a
// positive spacing, or a group that cannot take moment (all rows at one
// distance from the toe, I = 0) under a moment about its centroid. The loads
// are then W shared equally and the caller must count the combination as
// failed; the report line ending in " ***" has been written in review mode.
[[nodiscard]] bool PileGroup(float& W, float& Mo, float& RM, float& Vp, float& Hall, float& Pmax,
                             float& Pmin);

}  // namespace keldor
