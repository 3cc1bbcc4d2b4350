// Geometry of the wall that several analyses derive from the input model.
// Each is evaluated in float in the order written here, which the report's
// digits depend on.
#pragma once

#include <cmath>

#include "state.h"

namespace keldor {

// From the top of the stem's back face (at the least thickness) to the heel
// end: WF - WT - TWMIN, taken in that order.
inline float HeelBehindStem() { return S.WF - S.WT - S.TWMIN; }

// Thickness of the stem at its base, with the batter BW.
inline float StemBaseThickness() { return S.TWMIN + S.H * std::tan(S.BW); }

// Passive resistance in front of the footing over the key depth, the footing
// thickness and the soil over the toe, with the pressure coefficient kp. The
// depth is summed DK + TF + HT; the starting heel estimates sum it in their
// own orders and keep them.
inline float PassiveResistance(float kp) {
  const float depth = S.DK + S.TF + S.HT;
  return 0.5f * kp * S.RHOS * (depth * depth);
}

}  // namespace keldor
