#pragma once

#include <span>
#include <string_view>

namespace corrolab {

struct Alloy
{
    std::string_view name;
    std::string_view composition; // e.g. "94Al 4Cu 0.5Mg 0.5Mn"
    double density = 0; // handbook density, g/cm^3; 0 where the catalogue has none
    // The density is no published figure but the volume-additive mean of the
    // element densities, worked out for the catalogue.
    bool densityComputed = false;
};

struct BaseMetal
{
    std::string_view name;
    std::span<const Alloy> alloys;
};

// Base metals in the order the tools window offers them, each with its alloys.
std::span<const BaseMetal> AlloyCatalogue();

// The alloys of the named base metal; empty when there is no such base metal.
std::span<const Alloy> AlloysOf(std::string_view baseMetal);

// The composition string of the named alloy (searched in every base metal);
// empty when there is no such alloy.
std::string_view CompositionOf(std::string_view alloyName);

// The named alloy (searched in every base metal), or nullptr.
const Alloy* FindAlloy(std::string_view alloyName);

} // namespace corrolab
