// Distribution of one load combination over the pile rows (rigid cap).
#pragma once

namespace keldor {

void PileGroup(float& W, float& Mo, float& RM, float& Vp, float& Hall, float& Pmax, float& Pmin);

}  // namespace keldor
