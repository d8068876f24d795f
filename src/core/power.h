#pragma once

namespace trelvani {

// base^exponent, correctly rounded (to nearest, ties to even) except in hard
// cases closer to the midpoint of two doubles than about 2^-100 of the
// result, and with the same bits on every processor and C library: it uses
// double + − × ÷ alone, never the C library's pow, exp or log.
//
// Accepts a finite base ≥ 0 (subnormals included) and a finite exponent.
// A zero base gives +0 for exponent > 0, 1 for exponent 0 and +inf for
// exponent < 0; exponent 0 gives 1 for every accepted base. A result beyond
// the double range is +inf, one below half the least subnormal is +0.
// Anything else (negative or non-finite base, non-finite exponent) is NaN.
double Power(double base, double exponent);

}  // namespace trelvani
