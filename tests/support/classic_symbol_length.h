#pragma once

#include "base/lenient_number.h"

#include <string_view>

namespace corrolab {

// The symbol length the classic rule gives a composition token: two characters
// when its last two read as the number 0 ("Al", "Si"), otherwise one ("1C").
// The trailing-letters rule of SplitComposition agrees with it on every token
// that has no 0 before a one-letter symbol and is longer than one character;
// the tests and the fuzz target hold the split to it.
inline size_t ClassicSymbolLength(std::string_view token)
{
    const std::string_view lastTwo = token.size() >= 2 ? token.substr(token.size() - 2) : token;
    return LenientValueOrZero(lastTwo) == 0 ? 2 : 1;
}

} // namespace corrolab
