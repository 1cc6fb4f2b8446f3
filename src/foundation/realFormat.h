#pragma once

// Real numbers as text, always with '.' as the decimal point: the process
// locale, which the window layer takes from the environment, never decides
// what a file holds.

// The longest text formatRealG writes, its NUL included.
constexpr int realFormatSize = 32;

// Exactly what printf's "%.<precision>G" gives in the "C" locale: precision
// significant digits (0 counts as 1), fixed notation when the decimal
// exponent X satisfies -4 <= X < precision, else d.dddE+XX with at least two
// exponent digits; trailing zeros and a bare decimal point removed; "INF",
// "NAN" and their negative forms for the values that are not finite.
// precision above 17 throws gfault. Returns the length written to out.
int formatRealG(char (&out)[realFormatSize], double value, int precision);

// How station files hold a real: the "%.15G" form when it reads back to the
// value, else the fewest significant digits that do, laid out as "%.nG"
// lays out n digits (n at least 15). Every finite value thus
// reads back as itself, and values that 15 digits keep are written as they
// always were. Not finite values as formatRealG writes them.
int formatRealExact(char (&out)[realFormatSize], double value);
