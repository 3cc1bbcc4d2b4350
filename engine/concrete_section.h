// Design and check of one rectangular reinforced-concrete section of unit width.
#pragma once

namespace keldor {

void SectionDesign();
void SectionCheck();

}  // namespace keldor
