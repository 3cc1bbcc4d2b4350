// The analysis driver: run start, run initialisation and the main sequence.
#pragma once

#include <string>
#include <vector>

namespace keldor {

// Zeroes the results the analyses accumulate and sets the run variables that
// depend on the unit system.
void RunInit();

// Makes every count agree with the arrays that were set for it, so that no
// analysis indexes past an array. Returns the report lines (ending in " ***")
// that say which entries were missing.
std::vector<std::string> CheckCounts();

}  // namespace keldor
