// The wall stem: base loads, design or check, and the load distribution table.
#pragma once

namespace keldor {

void WallDesign();
void StemLoadTable();
void DistributeEarthForce(float& P, float& y, float& r, float& V, float& M);

}  // namespace keldor
