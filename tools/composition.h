#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// Tokens of a composition string held at most; further tokens are dropped.
inline constexpr int kMaxCompositionTokens = 25;

// One component of a composition string: "12-14Cu" is symbol "Cu" with the
// percentage text "12-14"; "Pb" is symbol "Pb" with an empty percentage.
struct Component
{
    std::string symbol;
    std::string percentage; // as written
};

// Splits a composition string ("94Al 4Cu 0.5Mg 0.5Mn") at every single space;
// two spaces in a row give an empty component. The symbol of a token is its
// trailing run of letters, so that "1C", "10C" and a bare "C" all name carbon.
std::vector<Component> SplitComposition(std::string_view composition);

} // namespace corrolab
