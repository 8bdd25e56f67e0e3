// The numeric edit box's rules on plain Shift-JIS text: which typed
// characters may belong to a number, and the normalised text of a number.
#ifndef KIT_NUMBER_TEXT_H
#define KIT_NUMBER_TEXT_H

#include <string>

// Whether a typed character may pass into a numeric box: digits and control
// characters always, "." unless whole numbers only, "-" unless no sign.
// Codes 128 to 255 never pass.
bool number_key_passes(char key, bool only_int, bool only_plus);

// The number that text begins with, as atof reads it but decimal only and
// whatever the locale: leading white space skipped, the longest prefix that
// forms a decimal floating-point number taken, 0 when there is none.
double number_of_text(const char* text);

// The general number format with at most 15 significant digits: trailing
// zeros and an unneeded point dropped (10 -> "10", 2.50 -> "2.5"); values of
// 1E15 and above or below 0.00001 in exponent form ("1E15", "1.5E-7").
std::string general_number_text(double value);

#endif
