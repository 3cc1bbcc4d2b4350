// Converting the whole input between English units (in, lb) and SI units
// (mm, N): lengths, unit weights, strengths and pressures, loads per length,
// moments per length, steel areas per length and pile loads. Angles, load
// factors, coefficients and safety factors keep their values.
#pragma once

#include <cstdint>

#include "input_record.h"
#include "window_tabs.h"

namespace fe {

// The factor that takes a value of the unit from English to SI units, from
// the exact definitions 1 in = 25.4 mm and 1 lbf = 4.4482216152605 N (1 for
// angles and plain numbers).
double ToSIFactor(Unit unit);

// Converts every value of the input from the record's unit system to `units`
// (1 English, 2 SI) and sets IUNITS. Each value is converted once, in double
// precision, and rounded to the nearest float, so converting back returns
// every value to within float rounding. Returns false, changing nothing,
// when the record is already in `units` or either system is unknown.
bool ConvertUnits(InputRecord& r, std::int32_t units);

}  // namespace fe
