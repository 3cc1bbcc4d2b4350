// Design or check of the footing toe and heel.
#pragma once

namespace keldor {

void FootingDesign();

}  // namespace keldor
