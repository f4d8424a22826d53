#include "alloys/alloy_figures.h"

#include "alloys/alloy_catalogue.h"
#include "alloys/handbook_density.h"
#include "app/conversion.h"
#include "base/unit_table.h"
#include "corrosion/corrosion_rate_units.h"
#include "corrosion/material_values.h"
#include "tools/component_row.h"
#include "tools/composition.h"
#include "tools/element_table.h"
#include "tools/equivalent_weight.h"
#include "tools/g102_calculation.h"

namespace corrolab {

namespace {

// The rate of 1 micro_amp/cm^2 in mm/year once the frame holds the material.
void AddRate(AlloyFigures& figures, const MaterialResults& results)
{
    const HandBack handBack
        = HandBackTexts(results.equivalentWeightText, results.densityText, results.ratioText);
    if (!handBack.calculated)
        return;
    const FrameMaterial material = ReadFrame(handBack.frame);
    UnitTable table;
    LoadCorrosionRateUnits(table, material.equivalentWeight, material.ratio);
    const ConversionOutcome outcome
        = Conversion::FromUnitTable(table, "micro_amp/cm^2", "mm/year").Apply("1", false);
    figures.rate = outcome.number;
    figures.rateText = outcome.text;
    while (!figures.rateText.empty() && figures.rateText.front() == ' ')
        figures.rateText.erase(0, 1);
}

} // namespace

AlloyFigures FiguresOfAlloy(const ElementTable& elements, const std::string& baseMetal,
    const std::string& name, const std::string& composition)
{
    AlloyFigures figures {name, baseMetal, composition, {}, {}, {}, {}, {}, {}, {}};
    if (const auto rows = CompositionRows(elements, composition)) {
        if (const auto coupon = CouponDensity(name, *rows)) {
            figures.couponDensity = coupon->value;
            figures.densitySource = DensitySourceWord(coupon->source);
        }
        const MaterialCalculation classic = CalculateMaterial(*rows);
        if (classic.results) {
            figures.classicEquivalentWeight = classic.results->equivalentWeight;
            figures.density = classic.results->density;
            AddRate(figures, *classic.results);
        }
    }
    const G102Calculation g102 = CalculateG102(
        G102RowsOf(elements, SplitComposition(composition)), CatalogueDensityOf(name));
    if (g102.results)
        figures.g102EquivalentWeight = g102.results->equivalentWeight;
    return figures;
}

std::vector<AlloyFigures> CatalogueFigures()
{
    static const ElementTable elements;
    std::vector<AlloyFigures> all;
    for (const BaseMetal& base : AlloyCatalogue())
        for (const Alloy& alloy : base.alloys)
            all.push_back(FiguresOfAlloy(elements, std::string(base.name), std::string(alloy.name),
                std::string(alloy.composition)));
    return all;
}

} // namespace corrolab
