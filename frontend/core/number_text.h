// Numbers as text: reading the leading number of a typed or stored text, and
// writing a number for the input file and for the window's boxes. Nothing
// here depends on the process locale: the decimal separator is always a
// period.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fe {

// The largest count of an array group (load combinations, ground segments,
// surcharges, pile rows): the editors and the file count records in 16 bits.
inline constexpr std::int32_t kMaxCount = 32767;

// The value of the text's leading number: leading blanks are skipped, blanks
// inside the number are skipped, then an optional sign, digits, an optional
// point with digits and an optional exponent (E or D, optional sign, digits)
// are read; reading stops at the first other character. A text without a
// leading number is 0. The number is rounded to the nearest 32-bit float.
// Returns false, and leaves `value` alone, when the number is too large for a
// 32-bit float; a number too small for one reads as 0.
bool ReadFloat(std::string_view text, float* value);

// What ReadFloat ignores of the text: everything after its leading number,
// without the blanks around it ("ft" for "12ft", ",5" for "1,5", "abc" for
// "abc"); empty when the text is all number (or blank).
std::string IgnoredText(std::string_view text);

// The leading number rounded to the nearest integer, an exact half going to
// the even neighbour (2.5 gives 2, 3.5 gives 4). Returns false, and leaves
// `value` alone, when it lies outside the 32-bit integer range.
bool ReadInteger(std::string_view text, std::int32_t* value);

// A count: as ReadInteger, but only 0..kMaxCount is accepted.
bool ReadCount(std::string_view text, std::int32_t* count);

// A number as the input file stores it: at most 7 significant digits, no
// leading zero below 1 (".0868"), a minus sign for negative values and no
// sign otherwise, exponent form for magnitudes below 1E-04 or from 1E+07 on
// ("2.36E-05", "1.234568E+07"). Reading the text back with ReadFloat gives
// the same value to 7 significant digits (exactly, when the value has a
// shortest form of at most 7 digits, as every typed value has).
std::string FileNumber(float value);
std::string FileNumber(std::int32_t value);

// A number as the window shows it: the file form with a blank in front of a
// value that is not negative (" 4000", " .0868", "-.5", " 3").
std::string DisplayNumber(float value);
std::string DisplayNumber(std::int32_t value);

}  // namespace fe
