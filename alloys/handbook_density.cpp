#include "alloys/handbook_density.h"

#include "alloys/alloy_catalogue.h"
#include "base/lenient_number.h"

#include <cmath>

namespace corrolab {

std::optional<SourcedDensity> CatalogueDensityOf(std::string_view alloyName)
{
    const Alloy* alloy = FindAlloy(alloyName);
    if (!alloy || !(alloy->density > 0))
        return std::nullopt;
    return SourcedDensity {
        alloy->density, alloy->densityComputed ? DensitySource::Computed : DensitySource::Handbook};
}

std::optional<SourcedDensity> CatalogueDensityFor(
    std::string_view alloyName, std::span<const Component> grid)
{
    const auto density = CatalogueDensityOf(alloyName);
    if (!density)
        return std::nullopt;
    const std::vector<Component> catalogue = SplitComposition(CompositionOf(alloyName));
    if (catalogue.size() != grid.size())
        return std::nullopt;
    for (size_t i = 0; i < grid.size(); ++i)
        if (catalogue[i].symbol != grid[i].symbol || catalogue[i].percentage != grid[i].percentage)
            return std::nullopt;
    return density;
}

std::optional<SourcedDensity> CouponDensity(
    std::string_view alloyName, std::span<const ComponentTexts> rows)
{
    if (const auto catalogue = CatalogueDensityOf(alloyName))
        return catalogue;
    double mass = 0;
    double volume = 0;
    for (const ComponentTexts& row : rows) {
        const double share = LenientValueOrZero(row.percentage);
        if (!(share > 0))
            continue;
        const double density = LenientValueOrZero(row.density);
        if (!(density > 0))
            return std::nullopt;
        mass += share;
        volume += share / density;
    }
    const double mean = mass / volume;
    if (!(volume > 0) || !std::isfinite(mean))
        return std::nullopt;
    return SourcedDensity {
        mean, rows.size() == 1 ? DensitySource::Element : DensitySource::VolumeAdditive};
}

} // namespace corrolab
