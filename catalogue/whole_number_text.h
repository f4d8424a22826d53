#pragma once

#include "base/refusal.h"
#include "catalogue/unit_definition.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corrolab {

// Whole numbers as the number formats write them: an optional sign and digits
// of the format's base (letters in either case), or Roman numerals from 1 to
// 3999 in their usual form (upper or lower case). Blanks around the text are
// ignored. Values reach at least 2^63 - 1 either way; anything else (a digit
// outside the base, a fraction, a number out of range, a malformed numeral) is
// refused with its reason, never read as some other number.
OrRefusal<std::int64_t> ReadWholeNumber(std::string_view text, const UnitDefinition& format);

// The text of a value in a number format (capital letters for digits above 9).
OrRefusal<std::string> WriteWholeNumber(std::int64_t value, const UnitDefinition& format);

} // namespace corrolab
