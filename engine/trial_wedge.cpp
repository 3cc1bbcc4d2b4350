#include "trial_wedge.h"

#include "state.h"

namespace keldor {

void TrialWedge() {}

}  // namespace keldor
