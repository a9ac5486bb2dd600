#pragma once

#include <string>
#include <string_view>

namespace tavelor {

// Fixed-point text of a number, as the meters and read-outs show it.
//
// x is rounded to p significant digits or to d decimals, whichever keeps fewer
// digits, halves away from zero (the decision is made on the exact binary value), and
// written with exactly d decimals after `separateur`, completed with zeros; no
// separator when d is 0. A value that rounds to zero is written without sign. When the
// rounded value has more than p digits before the separator it is written in
// scientific notation instead: a mantissa of up to p significant digits without
// trailing zeros, "E", then the exponent without "+" or leading zeros ("-1.235E4").
// p is taken in 2..18 and d in 0..18. NaN and infinities give "###".
//
// Fixed(12.3456, 4, 2) = "12.35", Fixed(123.456, 4, 2) = "123.50", Fixed(-5.25, 4, 1) = "-5.3".
std::string Fixed(double x, int p, int d, std::string_view separateur = ".");

// The number Fixed(x, p, d) writes, counted in units of its last decimal: x·10^d rounded
// half away from zero on the exact binary value, for a finite x with |x|·10^d below 2^51
// and d in 0..6. Fixed(0.105, 15, 2) = "0.10" and UnitesAffichees(0.105, 2) = 10.
long long UnitesAffichees(double x, int d);

} // namespace tavelor
