// The field edits of the report. Every number in the report is written by one
// of these; nothing else in the engine formats numbers.
//
// Digits always come from the exact 32-bit value, correctly rounded with exact
// ties going to the even digit. A value that does not fit fills its field with
// "*"; so does a value that is not finite. A value that prints as zero carries
// no sign. The decimal point is always a period, whatever the locale.
#pragma once

#include <string>
#include <string_view>

namespace keldor {

// I w: integer right-justified in w columns.
std::string I(long long value, int w);
// I w.m: integer in w columns with at least m digits (leading zeros).
std::string I(long long value, int w, int m);
// F w.d: fixed point with d decimals in w columns; the zero before the point
// is written when there is room; F w.0 ends in a point ("120.").
std::string F(float value, int w, int d);
// G w.d: the general real edit. Values whose magnitude, taken to d significant
// digits, lies in [0.1, 10^d) are written in fixed notation with d significant
// digits in w-4 columns followed by 4 blanks; zero as "0." and d-1 zeros in the
// same way; any other value in exponent form 0.dddE+ee in w columns (the zero
// before the point is dropped when the field is too narrow).
std::string G(float value, int w = 10, int d = 4);
// A w: a character field of w columns, blank-padded or cut.
std::string A(std::string_view text, int w);
// n blank columns.
std::string X(int n);

}  // namespace keldor
