#pragma once

#include "tools/equivalent_weight.h"
#include "tools/row_fault.h"

#include <optional>
#include <span>
#include <string>

namespace corrolab {

// Why CalculateMaterial abandoned its calculation: the first row whose
// percentage cannot be read, whose valence reads 0 ("--" or a noble gas's "0"),
// whose atomic weight cannot be read, or whose density reads 0; or the total
// when the percentages add up to 0 or to a sum too large to hold. std::nullopt
// when the rows calculate. `symbols` names the rows (missing names stay empty).
std::optional<RowFault> FindClassicFault(
    std::span<const ComponentTexts> rows, std::span<const std::string> symbols);

} // namespace corrolab
