#include "calculators/material_lookup.h"

#include "corrosion/material_values.h"

namespace corrolab {

Checked<CalculatorMaterial> CalculatorMaterialOf(
    const MaterialFigures& figures, HandBackMethod method)
{
    const Checked<HandBack> handBack = figures.HandBackBy(method);
    if (!handBack)
        return handBack.error();
    const double frameRatio = ReadFrame(handBack->frame).ratio;
    if (method == HandBackMethod::G102)
        return CalculatorMaterial {NameWithMethod(figures.name, HandBackMethod::G102),
            handBack->equivalentWeight, handBack->density,
            std::string(DensitySourceWord(figures.g102.results->densitySource)), frameRatio};
    // A coupon's penetration needs the alloy's real density, not the mean of
    // the element densities by mass that the window's classic figures use.
    const auto& density = figures.couponDensity;
    if (!density)
        return InputError {"material", "the material '" + figures.name + "' has no density"};
    // Where that density is the frame's own (a pure metal), the frame's ratio
    // goes with it, so that the figures are the main window's.
    return CalculatorMaterial {figures.name, handBack->equivalentWeight, density->value,
        std::string(DensitySourceWord(density->source)),
        density->value == handBack->density ? frameRatio : 0};
}

Checked<CalculatorMaterial> LookUpMaterial(
    MaterialKind kind, const std::string& text, HandBackMethod method)
{
    const Checked<MaterialFigures> figures = FiguresOf(kind, text);
    if (!figures)
        return figures.error();
    return CalculatorMaterialOf(*figures, method);
}

} // namespace corrolab
