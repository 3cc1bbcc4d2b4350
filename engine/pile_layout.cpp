#include "pile_layout.h"

#include "state.h"

namespace keldor {

void StartHeelPile() {}
void PileLayout() {}

}  // namespace keldor
