#include "pile_group.h"

#include "state.h"

namespace keldor {

void PileGroup(float&, float&, float&, float&, float&, float&, float&) {}

}  // namespace keldor
