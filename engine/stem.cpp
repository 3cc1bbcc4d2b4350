#include "stem.h"

#include "state.h"

namespace keldor {

void WallDesign() {}
void StemLoadTable() {}
void DistributeEarthForce(float&, float&, float&, float&, float&) {}

}  // namespace keldor
