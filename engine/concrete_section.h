// Design and check of one rectangular reinforced-concrete section of unit width.
#pragma once

namespace keldor {

// Both read IDESIGN, IUNITS, FC, FS, ES, EC, RATIO and the loads VDES, MDES
// with the cover CSEC that the caller set; neither needs anything else run
// before (RunInit sets ES and EC).
//
// Design: from the least thickness TMIN, leaves the thickness TSEC and the
// steel ASEC (MDES may be raised to the minimum-steel moment); clears IOK
// when no section can carry the loads.
void SectionDesign();
// Check of the section TSEC thick with the steel ASEC; an NG line clears IOK.
void SectionCheck();

}  // namespace keldor
