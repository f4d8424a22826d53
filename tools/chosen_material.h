#pragma once

#include "corrosion/material_values.h"

#include <optional>
#include <span>
#include <string>

namespace corrolab {

// A material the tools window hands to the main window: the texts of the
// corrosion-rate frame and the name the frame shows.
struct ChosenMaterial
{
    FrameTexts frame;
    std::string name;
};

// The name of an alloy in the main window: its symbols joined by "/" and " alloy"
// ("Cu/Zn alloy").
std::string AlloyName(std::span<const std::string> symbols);

// The material that the tools window's result texts (equivalent weight, density,
// ratio) describe, under the given name; empty when the density or the
// equivalent weight reads as 0, which means that nothing was calculated.
std::optional<ChosenMaterial> ChooseMaterial(const std::string& equivalentWeight,
    const std::string& density, const std::string& ratio, const std::string& name);

// What the tools window says the main window holds: "The main window holds
// Cu/Ni/Fe alloy: Eq. wt. 28.513 g, density 8.731 g/cm^3."
std::string HeldMaterialText(const ChosenMaterial& held);

} // namespace corrolab
