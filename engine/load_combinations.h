// Resultants of the load combinations about the toe, and the load set that
// picks the required safety factors and allowables of a combination. The
// external stability analysis and the pile load combinations both build their
// resultants here, so the rules exist once.
#pragma once

namespace keldor {

// The lateral loads of the current geometry, computed once before the
// combinations. Moments are about the underside of the footing.
struct LateralLoads {
  bool irregular = false;     // irregular backfill: earth forces by trial wedges
  float PE = 0.0f, ME = 0.0f;    // earth force and its moment
  float PES = 0.0f, MES = 0.0f;  // irregular backfill: earth with the surcharge lines
  float PSL = 0.0f, MSL = 0.0f;  // uniform surcharge (constant slope only)
  float VWL = 0.0f, MWL = 0.0f;  // wind shear at the top and its moment
  float PEQH = 0.0f;             // seismic earth force
  float VEQL = 0.0f, MEQL = 0.0f;  // seismic shear (earth and top) and its moment
};

// Computes the lateral loads of the current geometry (WF, WT, TF, ...). An
// irregular backfill runs the trial wedges at the footing first (setting ILOC
// to 2 and leaving their results); a constant slope stores its seismic earth
// force in PEQH.
LateralLoads LateralComponents();

// Resultants of one combination: lateral force, overturning moment, vertical
// load, vertical load without the vertical earth components (for sliding
// when that friction is not used) and righting moment.
struct Resultants {
  float HL = 0.0f, MO = 0.0f, V = 0.0f, VT = 0.0f, MR = 0.0f;
};

// A factor only switches its load on (> 0); its value does not scale it.
Resultants CombinationResultants(const LateralLoads& loads, int i);

// The wall friction coefficient of combination i: wind, else seismic, else
// regular.
float WallFriction(int i);

// The combination block of the report (written by the caller's IPRINT rule).
void WriteCombinationBlock(int i, const Resultants& r);

// Load set of combination i: regular if FE > 0, overridden by wind if FW > 0,
// by seismic if FEQ > 0. A combination with none of the three uses the
// regular set, so that no verdict depends on the order of the combinations.
enum class LoadSet { kRegular, kWind, kSeismic };
LoadSet LoadSetOf(int i);

// The required safety factors and allowables of a load set.
struct LoadSetValues {
  float SFOT = 0.0f;   // required overturning safety factor
  float SFSL = 0.0f;   // required sliding safety factor
  float Q = 0.0f;      // allowable soil bearing pressure
  float CS = 0.0f;     // base friction coefficient
  float KP = 0.0f;     // passive pressure coefficient
  float PILEP = 0.0f;  // allowable pile axial compression
  float PILEV = 0.0f;  // allowable lateral load per pile
  float PP = 0.0f;     // passive resistance in front of the footing with KP
};
LoadSetValues ValuesOf(LoadSet set);

// The resultants of every combination for the pile layout: stores them into
// HCOMB, VCOMB, MRCOMB and MOCOMB and writes the combination blocks when
// IPRINT = 1. Expects WeightsAndMoments to have run for the current geometry.
void PileLoadCombinations();

}  // namespace keldor
