#pragma once

#include "tools/composition.h"
#include "tools/equivalent_weight.h"
#include "tools/g102_calculation.h"

#include <optional>
#include <span>
#include <string_view>

namespace corrolab {

// The catalogue's density of the named alloy (g/cm^3) and its source (handbook,
// or computed where no figure is published), or std::nullopt when the alloy is
// unknown or has none.
std::optional<SourcedDensity> CatalogueDensityOf(std::string_view alloyName);

// The same, but only while `grid` still holds the alloy's composition, component
// for component (symbol and percentage text): once a row is changed the material
// is no longer the catalogue's alloy.
std::optional<SourcedDensity> CatalogueDensityFor(
    std::string_view alloyName, std::span<const Component> grid);

// The density of a coupon of the material whose grid rows are `rows`: the
// catalogue's density of `alloyName` where it has one (the rows must be
// that alloy's), else the element's own density for one component, else the
// volume-additive mean sum(p_i) / sum(p_i / d_i) over the rows with a share.
// std::nullopt when a row with a share has no density above 0.
std::optional<SourcedDensity> CouponDensity(
    std::string_view alloyName, std::span<const ComponentTexts> rows);

} // namespace corrolab
