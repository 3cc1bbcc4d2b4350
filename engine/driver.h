// The analysis driver: run start, run initialisation and the main sequence.
#pragma once

#include <string>
#include <vector>

namespace keldor {

// Zeroes the results the analyses accumulate and sets the run variables that
// depend on the unit system.
void RunInit();

// The analysis of the wall as it stands (the given wall in review mode, the
// restored best design after a design search), with report writing on:
// weights, external stability or pile analysis, footing design. IOK is set
// to 1 before it; the stability checks and the footing design clear it.
void FinalAnalysis();

// Makes every count agree with the arrays that were set for it, so that no
// analysis indexes past an array. Returns the report lines (ending in " ***")
// that say which entries were missing.
std::vector<std::string> CheckCounts();

}  // namespace keldor
