#include "tools/chosen_material.h"

#include "base/text.h"

namespace corrolab {

std::string AlloyName(std::span<const std::string> symbols)
{
    std::string name;
    for (size_t i = 0; i < symbols.size(); ++i)
        name += (i == 0 ? "" : "/") + symbols[i];
    return name + " alloy";
}

std::optional<ChosenMaterial> ChooseMaterial(const std::string& equivalentWeight,
    const std::string& density, const std::string& ratio, const std::string& name)
{
    const HandBack handBack = HandBackTexts(equivalentWeight, density, ratio);
    if (!handBack.calculated)
        return std::nullopt;
    return ChosenMaterial {handBack.frame, name};
}

std::string HeldMaterialText(const ChosenMaterial& held)
{
    return "The main window holds " + held.name + ": Eq. wt. "
        + std::string(Trimmed(held.frame.equivalentWeight)) + " g, density "
        + std::string(Trimmed(held.frame.density)) + " g/cm^3.";
}

} // namespace corrolab
