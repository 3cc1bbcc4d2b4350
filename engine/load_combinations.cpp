#include "load_combinations.h"

#include "state.h"

namespace keldor {

void PileLoadCombinations() {}

}  // namespace keldor
