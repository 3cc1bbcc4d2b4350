// Weights and righting moments about the toe.
#pragma once

namespace keldor {

void WeightsAndMoments();

}  // namespace keldor
