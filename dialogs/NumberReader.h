#pragma once

#include <string_view>

namespace duomira {

// Reads the number at the start of a typed text the lenient way the password
// box has always done: blanks, tabs and line feeds count for nothing, the
// longest prefix that forms a number is taken and the rest ignored, and a text
// without a number reads as 0. "&H" / "&O" at the start give a hexadecimal or
// octal integer. The period is the decimal point whatever the locale.
//
// An exponent letter with no digits after it (as in "1.5E" or "1.5E-") adds
// nothing: the reading is the number before it. A number too large for a
// double reads as an infinity of its sign, one too small as a zero.
double readNumber(std::string_view text);

// Whether the text reads as the access number of the password dialog, both
// sides compared in single precision.
bool isAccessNumber(std::string_view text);

} // namespace duomira
