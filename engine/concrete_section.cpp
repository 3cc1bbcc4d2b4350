#include "concrete_section.h"

#include "state.h"

namespace keldor {

void SectionDesign() {}
void SectionCheck() {}

}  // namespace keldor
