#pragma once

#include "base/checked.h"
#include "corrosion/material_values.h"
#include "tools/equivalent_weight.h"
#include "tools/g102_calculation.h"
#include "tools/hand_back_method.h"

#include <optional>
#include <string>
#include <vector>

namespace corrolab {

// How a material is named: a pure metal's symbol, an alloy of the catalogue, or a
// composition such as "70Cu 30Zn".
enum class MaterialKind { Metal, Alloy, Composition };

// A material as the Material Properties window's grid holds it: the rows' texts
// for the classic figures, the same rows with their G102 valence, and the
// catalogue alloy the grid was filled with (empty for a metal, a composition or
// an alloy of the user's own). The catalogue's density holds only while the grid
// still holds that alloy's composition.
struct MaterialGrid
{
    std::vector<ComponentTexts> rows;
    std::vector<G102Row> g102Rows;
    std::string alloy;
};

// What the program works out about one material: the classic figures, the ASTM
// G102 figures, and the density of a coupon of it (the handbook's, else the
// element's or the volume-additive mean) with its source.
struct MaterialFigures
{
    std::string name;
    MaterialGrid grid;
    MaterialCalculation classic;
    G102Calculation g102;
    std::optional<SourcedDensity> couponDensity;

    // The frame the tools window hands back by the method, or why it hands back
    // nothing ("the material '60Cu 40Xx' cannot be calculated (zero density, check inputs)").
    Checked<HandBack> HandBackBy(HandBackMethod method) const;
};

// The grid the tools window fills for a metal's symbol, a catalogue alloy's name
// or a composition; refused for an unknown symbol or alloy, an empty
// composition, or more components than the grid has rows.
Checked<MaterialGrid> GridOf(MaterialKind kind, const std::string& text);

// How a name a user typed names its material: a catalogue alloy's name, else an
// element's symbol, else a composition.
MaterialKind KindOfName(const std::string& text);

// The figures of a grid, and of a named material through its grid.
MaterialFigures FiguresOfGrid(std::string name, const MaterialGrid& grid);
Checked<MaterialFigures> FiguresOf(MaterialKind kind, const std::string& text);

// The warnings of a classic calculation for a line of text: "total not 100,
// missing valence"; "none" without any.
std::string MaterialWarnings(const MaterialCalculation& calculation);

} // namespace corrolab
