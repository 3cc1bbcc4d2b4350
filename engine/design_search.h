// The design search over toe and heel widths.
#pragma once

namespace keldor {

// Returns true when a design was found (then restored and reported).
bool DesignSearch();
void StartHeelSpread();

}  // namespace keldor
