#pragma once

#include "tools/composition.h"

#include <optional>
#include <span>
#include <string_view>

namespace corrolab {

// The catalogue's handbook density of the named alloy (g/cm^3), or std::nullopt
// when the alloy is unknown or has none.
std::optional<double> HandbookDensityOf(std::string_view alloyName);

// The same, but only while `grid` still holds the alloy's composition, component
// for component (symbol and percentage text): once a row is changed the material
// is no longer the handbook's alloy.
std::optional<double> HandbookDensityFor(
    std::string_view alloyName, std::span<const Component> grid);

} // namespace corrolab
