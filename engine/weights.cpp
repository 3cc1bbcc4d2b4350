#include "weights.h"

#include "state.h"

namespace keldor {

void WeightsAndMoments() {}

}  // namespace keldor
