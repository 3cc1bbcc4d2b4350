#include "footing.h"

#include "state.h"

namespace keldor {

void FootingDesign() {}

}  // namespace keldor
