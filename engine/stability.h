// External stability of the wall and the soil pressure under a spread footing.
#pragma once

namespace keldor {

void ExternalStability();
void SoilPressure(float& MO, float& MR, float& V, float& E, float& QTOE, float& QHEEL);

}  // namespace keldor
