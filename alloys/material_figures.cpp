#include "alloys/material_figures.h"

#include "alloys/alloy_catalogue.h"
#include "alloys/handbook_density.h"
#include "base/text.h"
#include "tools/component_row.h"
#include "tools/composition.h"
#include "tools/element_table.h"

namespace corrolab {

namespace {

const ElementTable& Elements()
{
    static const ElementTable elements;
    return elements;
}

InputError Refusal(std::string message)
{
    return {"material", std::move(message)};
}

} // namespace

Checked<MaterialGrid> GridOf(MaterialKind kind, const std::string& text)
{
    const ElementTable& elements = Elements();
    if (kind == MaterialKind::Metal) {
        if (elements.FindSymbol(text) == 0)
            return Refusal("unknown element symbol '" + text + "'");
        const ElementRow row = FillElementRow(elements, text);
        return MaterialGrid {{{"100", row.atomicWeight, row.valence, row.density}},
            {MakeG102Row(elements, text, "100")}, {}};
    }
    std::string composition = text;
    if (kind == MaterialKind::Alloy) {
        composition = CompositionOf(text);
        if (composition.empty())
            return Refusal("unknown alloy '" + text + "'");
    } else if (TrimmedWhiteSpace(composition).empty()) {
        return Refusal("the composition is empty");
    }
    auto rows = CompositionRows(elements, composition);
    if (!rows)
        return Refusal("the composition '" + composition + "' has more than "
            + std::to_string(kGridRows) + " components");
    return MaterialGrid {std::move(*rows), G102RowsOf(elements, SplitComposition(composition)),
        kind == MaterialKind::Alloy ? text : std::string()};
}

MaterialKind KindOfName(const std::string& text)
{
    if (!CompositionOf(text).empty())
        return MaterialKind::Alloy;
    return Elements().FindSymbol(text) != 0 ? MaterialKind::Metal : MaterialKind::Composition;
}

MaterialFigures FiguresOfGrid(std::string name, const MaterialGrid& grid)
{
    std::optional<SourcedDensity> catalogue;
    if (!grid.alloy.empty()) {
        std::vector<Component> components;
        for (const G102Row& row : grid.g102Rows)
            components.push_back({row.symbol, row.percentage});
        catalogue = CatalogueDensityFor(grid.alloy, components);
    }
    return {std::move(name), grid, CalculateMaterial(grid.rows),
        CalculateG102(grid.g102Rows, catalogue),
        CouponDensity(catalogue ? grid.alloy : std::string(), grid.rows)};
}

Checked<MaterialFigures> FiguresOf(MaterialKind kind, const std::string& text)
{
    const Checked<MaterialGrid> grid = GridOf(kind, text);
    if (!grid)
        return grid.error();
    return FiguresOfGrid(text, *grid);
}

Checked<HandBack> MaterialFigures::HandBackBy(HandBackMethod method) const
{
    std::optional<HandBack> handBack;
    if (method == HandBackMethod::G102) {
        if (!g102.results)
            return Refusal("the material '" + name + "' cannot be calculated by ASTM G102: "
                + RowFaultText(g102.fault.value_or(RowFault {})));
        handBack = HandBackTexts(
            g102.results->equivalentWeightText, g102.results->densityText, g102.results->ratioText);
    } else {
        if (!classic.results)
            return Refusal("the material '" + name + "' cannot be calculated ("
                + MaterialWarnings(classic) + ")");
        handBack = HandBackTexts(classic.results->equivalentWeightText,
            classic.results->densityText, classic.results->ratioText);
    }
    if (!handBack->calculated)
        return Refusal(
            "the material '" + name + "': density and/or equivalent weight not calculated");
    return *handBack;
}

std::string MaterialWarnings(const MaterialCalculation& calculation)
{
    std::string text;
    const auto add = [&text](bool shown, const char* warning) {
        if (shown)
            text += (text.empty() ? "" : ", ") + std::string(warning);
    };
    add(calculation.totalMarker, "total not 100");
    add(calculation.valenceMarkerRow.has_value(), "missing valence");
    add(calculation.densityMarkerRow.has_value(), "zero density");
    add(calculation.checkInputs, "check inputs");
    return text.empty() ? "none" : text;
}

} // namespace corrolab
