#pragma once

#include <string>

namespace corrolab {

// The smallest n >= 0 with |x| * 10^n >= 1 (0 for |x| >= 1, 3 for 0.0012);
// 0 for x = 0 and for values that are not finite.
int LeadingZeroCount(double x);

// x cut towards minus infinity to d decimals: 2.789 gives 2.78, -2.781 gives -2.79.
// Digits that only stand for the binary representation error of x are not cut
// away (0.29 stays 0.29 at 2 decimals although 0.29 * 100 is 28.999999999999996).
// A value whose scaled form has no fractional digits left, or cannot be scaled
// without overflow, comes back unchanged.
// `tolerance` widens that allowance to a relative error the caller knows its
// value to carry (a result computed through a single-precision ratio).
double TruncateDecimals(double x, int d, double tolerance = 0);

// The shortest plain decimal text of a value, never in exponent form: a leading
// blank for a value that is not negative, "-" for a negative one, and no 0 before
// the point when the integer part is 0 (" .5", "-.5", " 12").
std::string NumberText(double value);

// Fixed-point display text: x cut to d decimals, padded on the left to `width`
// characters and on the right to d decimals (" 12.500", " .250", " 0.000").
// x is replaced by its cut value. A value that is not finite gives an empty text;
// a value whose d-decimal form cannot be computed (x * 10^d beyond the double
// range) is shown in the scientific form of FormatScientific instead.
std::string FormatFixed(double& x, int width, int d, double tolerance = 0);

// The scientific display "0.000 x E+00": mantissa rounded to three decimals,
// then " x E", the exponent's sign and at least two digits ("1.500 x E+03",
// "-2.500 x E-07", "1.000 x E-300"). Empty for a value that is not finite.
std::string FormatScientific(double x);

// A value as plain decimal text with up to 15 significant digits and no leading
// blank ("110", "99.6", "3.5526", "7.86"), never in exponent form; empty for a
// value that is not finite.
std::string PlainText(double value);

} // namespace corrolab
