// Design or check of the footing toe and heel.
#pragma once

namespace keldor {

// Reads the geometry, the load factors, the results of WeightsAndMoments and,
// for an irregular backfill, the trial wedges at the footing that
// ExternalStability left (PEH, PESH, PEQH and their heights); for a pile
// footing the rows and NPILES. Design mode (two passes): leaves TF, TMIN,
// ASFTOP, ASFBOT and reruns WeightsAndMoments for the new thickness. Review
// mode: checks TF with ASFTOP and ASFBOT. Clears IOK when a face fails or no
// design is possible; leaves VDES, MDES, CSEC, TSEC, ASEC of the last face.
void FootingDesign();

}  // namespace keldor
