#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

struct AlloyFigures;

// "Mo >= 2": the alloy holds molybdenum at a share of at least 2 %. A bare
// symbol ("Pb") asks only that the alloy holds the element.
struct ShareCondition
{
    std::string symbol;
    double minimum = 0; // percent
    bool strict = false; // ">": more than the minimum
    friend bool operator==(const ShareCondition&, const ShareCondition&) = default;
};

// The conditions of a filter text, separated by commas: "Mo ≥ 2, Cr >= 16",
// "Ni>10", "mo 2" (the comparison may be "≥", ">=", ">" or left out; "%" after
// the number is allowed; the symbol is written in any case). An empty text gives
// no conditions. On a fault the result is empty and `problem` says what is wrong.
std::optional<std::vector<ShareCondition>> ParseShareConditions(
    std::string_view text, std::string& problem);

// Whether a composition string meets every condition. A component's share is
// its percentage as the calculation reads it ("12-14" reads 12; a bare symbol
// 0); an element named twice counts with the sum of its shares.
bool MeetsConditions(std::string_view composition, const std::vector<ShareCondition>& conditions);

// Whether the name, the base metal or the composition holds the text, letter
// case aside; an empty text matches every alloy.
bool MatchesText(const AlloyFigures& alloy, std::string_view text);

} // namespace corrolab
