#include "tools/chosen_material.h"

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

} // namespace corrolab
