// Earth pressure of an irregular backfill by trial wedges.
#pragma once

namespace keldor {

void TrialWedge();

}  // namespace keldor
