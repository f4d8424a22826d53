#include "alloys/handbook_density.h"

#include "alloys/alloy_catalogue.h"

namespace corrolab {

std::optional<double> HandbookDensityOf(std::string_view alloyName)
{
    const Alloy* alloy = FindAlloy(alloyName);
    if (!alloy || !(alloy->density > 0))
        return std::nullopt;
    return alloy->density;
}

std::optional<double> HandbookDensityFor(
    std::string_view alloyName, std::span<const Component> grid)
{
    const auto density = HandbookDensityOf(alloyName);
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

} // namespace corrolab
