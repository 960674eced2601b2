// Text <-> number conversions used by every box of the program.
//
// All three are independent of the process locale: "." is always the decimal
// point and no thousands separator is ever read or written.
#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// Reads the leading number of a text; never fails.
// Blanks, tabs and line feeds are skipped wherever they stand. Then come an
// optional sign, digits with at most one "." and an optional exponent (E or D,
// either case, optional sign); the first character that cannot continue the
// number ends the reading. "&H" or "&O" starts a hexadecimal or octal integer.
// Text without a leading number gives 0; a number too large for a double gives
// the largest double of its sign, one too small gives 0. The result is always
// finite, and reads back every text NumberToSignedText writes.
double ReadNumber(std::string_view text);

// Rounds to the nearest single as the hardware does: a value beyond the
// single range becomes an infinity of its sign (a plain cast is undefined there).
float ToSingle(double value);

// Writes a number with a sign position: " " before zero and positive numbers,
// "-" before negative ones. Rounded to 15 significant digits, trailing zeros
// dropped, no "0" before the point (" .5"). Plain notation while the decimal
// exponent of the rounded value is between -4 and 14 (0.0001 up to
// 999999999999999), otherwise exponent form: " 1.01E-07", " 1E+15".
std::string NumberToSignedText(double value);

// As NumberToSignedText without the leading blank of a non-negative number:
// whole numbers give their decimal digits alone ("30000", "-5").
std::string NumberToText(double value);

} // namespace tavrel
