// Earth pressure of an irregular backfill by trial wedges.
#pragma once

namespace keldor {

// Searches a fan of plane failure surfaces from the base of the back plane
// (ILOC 1: the stem's back face; otherwise the vertical through the heel end)
// and leaves the critical earth, earth-plus-surcharge and seismic forces in
// PEH, PESH, PEQH with their heights YAPPE, YAPPES, YAPPEQ, and XAPP, HBACK.
// Writes its report block when IPRINT is 1. Reads ILOC and, for its back
// plane, H, BWMIN or BW (design or review mode), or WF, WT, TWMIN and TF; the
// ground segments, the surcharge lines, RHOS, PHI, SS, SSEQ, AH, AV, YE and
// YEQ. The caller sets ILOC; nothing else must run before.
//
// A fan searched once is reused for every call whose back plane, ground,
// surcharge lines and soil are bit for bit the same (the toe width and the
// stem thickness only move the moment arms), and a fan is searched summing
// the strips only of the trials whose bounded force could be the one kept.
// With KELDOR_FULL_WEDGE_SEARCH set in the environment every call searches
// the whole fan plane by plane with its moments.
void TrialWedge();

// Forgets the fans searched so far: every run starts afresh.
void ForgetWedgeSearches();

// Every call searches the whole fan (true) or reuses and prunes (false),
// whatever the environment says; forgets the fans searched so far.
void SetFullWedgeSearch(bool full);

// The critical wedge of one case of the last TrialWedge call.
struct CriticalWedge {
  bool found = false;  // false: no trial gave this case a force
  float force = 0.0f;  // total force, inclined at the wall friction angle
  float theta = 0.0f;  // failure angle above the horizontal (radians)
  float weight = 0.0f; // soil weight (with the surcharge for earth plus surcharge)
  float xcg = 0.0f;    // centroid x measured from the toe
  float ycg = 0.0f;    // centroid height above the base point
};

struct CriticalWedges {
  CriticalWedge earth, withSurcharge, seismic;
};

// The critical wedges found by the last call (read by the tests).
const CriticalWedges& LastCriticalWedges();

// The equivalent pressure coefficient of a wedge force over the back plane of
// the last call: 2 P / (RHOS HBACK^2); 0 for a back plane without height.
float EquivalentCoefficient(float force);

}  // namespace keldor
