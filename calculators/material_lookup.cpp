#include "calculators/material_lookup.h"

#include "alloys/alloy_catalogue.h"
#include "alloys/handbook_density.h"
#include "corrosion/material_values.h"
#include "tools/component_row.h"
#include "tools/element_table.h"

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

} // namespace

Checked<CalculatorMaterial> LookUpMaterial(MaterialKind kind, const std::string& text)
{
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
    return CalculatorMaterial {text, handBack.equivalentWeight, density->value,
        std::string(DensitySourceWord(density->source))};
}

} // namespace corrolab
