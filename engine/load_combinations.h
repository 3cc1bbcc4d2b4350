// Resultants of the load combinations about the toe.
#pragma once

namespace keldor {

void PileLoadCombinations();

}  // namespace keldor
