#include "stability.h"

#include "state.h"

namespace keldor {

void ExternalStability() {}
void SoilPressure(float&, float&, float&, float&, float&, float&) {}

}  // namespace keldor
