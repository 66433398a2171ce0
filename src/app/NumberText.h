#pragma once
// Every number the user sees is parsed and written here, with "." as the decimal separator and
// no thousands separator, whatever locale the process runs in.
#include <string>
#include <string_view>

// Parses a number typed into a field:
//   blanks* sign? (digits ["." digits*] | "." digits) (("E"|"e") sign? digits)? blanks*
// A blank is the space character only (a tab is not a blank), as in the display's expressions.
// Nothing else is a number: not "", "inf", "nan", hex, "1,5", nor a text whose value overflows
// a double. A value too small for a double is read as a zero of its sign.
// Returns false and leaves value untouched when the text is not a number.
bool TryParseNumber(std::string_view text, double& value);

// A value pasted into an argument or value field, as copied from a spreadsheet cell or a
// terminal: leading and trailing line breaks, tabs and spaces removed ("25\n" gives "25").
std::string TrimPastedValue(std::string_view text);

// General format with precision significant digits (the choice C's "%.PG" makes): scientific
// notation when the decimal exponent X of the rounded value is >= precision or < -4, else fixed
// notation. Trailing zeros and a trailing "." are dropped; the exponent is written as "E", "-"
// for a negative exponent (no "+"), and its digits padded with zeros to minExponentDigits.
// Zero of either sign is "0". Precision is clamped to 1..40.
// Examples: 0.333333333333333, 1E20, 1.5E-7 (precision 15); 12346, 1.2346E0005 (precision 5,
// minExponentDigits 4). A value that is not finite gives "INF", "-INF" or "NAN".
std::string FormatGeneral(double value, int precision, int minExponentDigits = 0);

// Fixed notation with three decimals, for limits in error texts: 0.010, 373.946, 1000.000.
// A value that is not finite gives "inf", "-inf" or "nan".
std::string FormatFixed3(double value);
