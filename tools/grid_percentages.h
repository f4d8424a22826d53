#pragma once

#include "tools/equivalent_weight.h"

#include <optional>
#include <span>
#include <string>

namespace corrolab {

// The text that the last row in use takes after the percentage of row `edited`
// changed, or nothing to rewrite. `percentages` holds the rows in use. Editing
// the last row rewrites nothing. Otherwise the last row takes 100 minus the sum
// of the rows above it; with two rows always (the second is 100 minus the
// first), with more only when that difference is not negative, so that the grid
// never receives a negative percentage (the total marker then tells the user).
std::optional<std::string> LastRowPercentage(std::span<const std::string> percentages, int edited);

} // namespace corrolab
