#include "alloys/alloy_figures.h"

#include "alloys/alloy_catalogue.h"
#include "alloys/material_figures.h"
#include "app/conversion.h"
#include "base/text.h"
#include "base/unit_table.h"
#include "corrosion/corrosion_rate_units.h"
#include "corrosion/material_values.h"

namespace corrolab {

AlloyFigures FiguresOfAlloy(
    const std::string& baseMetal, const std::string& name, const std::string& composition)
{
    AlloyFigures figures {name, baseMetal, composition, {}, {}, {}, {}, {}, {}, {}};
    Checked<MaterialGrid> grid = GridOf(MaterialKind::Composition, composition);
    if (!grid)
        return figures;
    MaterialGrid alloy = *grid;
    alloy.alloy = name;
    const MaterialFigures material = FiguresOfGrid(name, alloy);
    if (material.couponDensity) {
        figures.couponDensity = material.couponDensity->value;
        figures.densitySource = DensitySourceWord(material.couponDensity->source);
    }
    if (material.classic.results) {
        figures.classicEquivalentWeight = material.classic.results->equivalentWeight;
        figures.density = material.classic.results->density;
    }
    if (material.g102.results)
        figures.g102EquivalentWeight = material.g102.results->equivalentWeight;
    // The rate of 1 micro_amp/cm^2 in mm/year once the frame holds the material.
    if (const Checked<HandBack> handBack = material.HandBackBy(HandBackMethod::Classic)) {
        const FrameMaterial frame = ReadFrame(handBack->frame);
        UnitTable table;
        LoadCorrosionRateUnits(table, frame.equivalentWeight, frame.ratio);
        const ConversionOutcome outcome
            = Conversion::FromUnitTable(table, "micro_amp/cm^2", "mm/year").Apply("1", false);
        figures.rate = outcome.number;
        figures.rateText = Trimmed(outcome.text);
    }
    return figures;
}

std::vector<AlloyFigures> CatalogueFigures()
{
    std::vector<AlloyFigures> all;
    for (const BaseMetal& base : AlloyCatalogue())
        for (const Alloy& alloy : base.alloys)
            all.push_back(FiguresOfAlloy(
                std::string(base.name), std::string(alloy.name), std::string(alloy.composition)));
    return all;
}

} // namespace corrolab
