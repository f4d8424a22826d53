#pragma once

#include <optional>
#include <string_view>

namespace corrolab {

// Reads the longest leading decimal number of a text, the way every number typed
// into the program is read: leading blanks are skipped, then an optional sign,
// digits with an optional point, and an optional exponent ("2.5E-7", "1e3").
// Text without a leading number reads as 0 ("--", "", "abc", "inf", "nan");
// "0x1F" reads as 0 and "12abc" as 12. The result never depends on the locale.
//
// A number too large for a double ("1e400") has no faithful value: it reads as
// std::nullopt so that callers refuse it instead of working with infinity.
// A number too small for a double reads as 0 (or the nearest subnormal).
std::optional<double> LenientValue(std::string_view text);

// The part of a text that the read above takes as the number, without the
// leading blanks ("70" of "70,5", "1e3" of " 1e3 kg"); empty when the text has no
// leading number.
std::string_view LeadingNumberText(std::string_view text);

// The same read for callers that have no use for a refused value: a number too
// large for a double reads as 0.
double LenientValueOrZero(std::string_view text);

} // namespace corrolab
