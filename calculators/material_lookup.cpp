#include "calculators/material_lookup.h"

#include "alloys/alloy_catalogue.h"
#include "alloys/handbook_density.h"
#include "corrosion/material_values.h"
#include "tools/component_row.h"
#include "tools/element_table.h"
#include "tools/g102_calculation.h"

namespace corrolab {

namespace {

Checked<std::vector<ComponentTexts>> Rows(MaterialKind kind, const std::string& text)
{
    static const ElementTable elements;
    if (kind == MaterialKind::Metal) {
        if (elements.FindSymbol(text) == 0)
            return InputError {"material", "unknown element symbol '" + text + "'"};
        const ElementRow row = FillElementRow(elements, text);
        return std::vector<ComponentTexts> {{"100", row.atomicWeight, row.valence, row.density}};
    }
    std::string composition = text;
    if (kind == MaterialKind::Alloy) {
        composition = CompositionOf(text);
        if (composition.empty())
            return InputError {"material", "unknown alloy '" + text + "'"};
    }
    auto rows = CompositionRows(elements, composition);
    if (!rows)
        return InputError {
            "material", "the composition '" + composition + "' has too many components"};
    return *rows;
}

// The ASTM G102 figures, with the catalogue's density for an alloy.
Checked<CalculatorMaterial> G102Material(MaterialKind kind, const std::string& text)
{
    static const ElementTable elements;
    if (kind == MaterialKind::Metal && elements.FindSymbol(text) == 0)
        return InputError {"material", "unknown element symbol '" + text + "'"};
    const std::string composition
        = kind == MaterialKind::Alloy ? std::string(CompositionOf(text)) : text;
    if (kind == MaterialKind::Alloy && composition.empty())
        return InputError {"material", "unknown alloy '" + text + "'"};
    const G102Calculation g102 = kind == MaterialKind::Metal
        ? CalculateG102(std::vector {MakeG102Row(elements, text, "100")})
        : CalculateG102(G102RowsOf(elements, SplitComposition(composition)),
            kind == MaterialKind::Alloy ? CatalogueDensityOf(text) : std::nullopt);
    if (!g102.results)
        return InputError {
            "material", "the material '" + text + "' cannot be calculated by ASTM G102"};
    const HandBack handBack = HandBackTexts(
        g102.results->equivalentWeightText, g102.results->densityText, g102.results->ratioText);
    if (!handBack.calculated)
        return InputError {
            "material", "the material '" + text + "' has no G102 density or equivalent weight"};
    return CalculatorMaterial {NameWithMethod(text, HandBackMethod::G102),
        handBack.equivalentWeight, handBack.density,
        std::string(DensitySourceWord(g102.results->densitySource)),
        ReadFrame(handBack.frame).ratio};
}

} // namespace

Checked<CalculatorMaterial> LookUpMaterial(
    MaterialKind kind, const std::string& text, HandBackMethod method)
{
    if (method == HandBackMethod::G102)
        return G102Material(kind, text);
    const auto rows = Rows(kind, text);
    if (!rows)
        return rows.error();
    const MaterialCalculation calculation = CalculateMaterial(*rows);
    if (!calculation.results)
        return InputError {"material", "the material '" + text + "' cannot be calculated"};
    const HandBack handBack = HandBackTexts(calculation.results->equivalentWeightText,
        calculation.results->densityText, calculation.results->ratioText);
    if (!handBack.calculated)
        return InputError {
            "material", "the material '" + text + "' has no density or equivalent weight"};
    // A coupon's penetration needs the alloy's real density, not the mean of
    // the element densities by mass that the window's classic figures use.
    const auto density = CouponDensity(kind == MaterialKind::Alloy ? text : "", *rows);
    if (!density)
        return InputError {"material", "the material '" + text + "' has no density"};
    // Where that density is the frame's own (a pure metal), the frame's ratio
    // goes with it, so that the figures are the main window's.
    const double ratio = density->value == handBack.density ? ReadFrame(handBack.frame).ratio : 0;
    return CalculatorMaterial {text, handBack.equivalentWeight, density->value,
        std::string(DensitySourceWord(density->source)), ratio};
}

} // namespace corrolab
