#pragma once

#include "tools/composition.h"
#include "tools/element_table.h"
#include "tools/row_fault.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// One component as the ASTM G102 calculation reads it: the grid row's texts with
// the row's own G102 valence in place of the element table's valence.
struct G102Row
{
    std::string symbol;
    std::string percentage;
    std::string atomicWeight; // g/mol
    std::string valence; // G102 valence
    std::string density; // g/cm^3
};

// A row for `symbol` at `percentage`, filled from the element table with the
// default G102 valence.
G102Row MakeG102Row(const ElementTable& table, std::string_view symbol, std::string percentage);

// The rows of a split composition string.
std::vector<G102Row> G102RowsOf(const ElementTable& table, std::span<const Component> components);

// Non-metals (boron, carbon, nitrogen, phosphorus, sulfur, silicon) held below
// this share of the total, in percent, are left out of the G102 figures: they
// sit in graphite, carbides, phosphides, sulfides or silicon particles and do
// not go into solution as the metal corrodes.
inline constexpr double kMinorNonMetalShare = 10;

enum class DensitySource {
    Handbook, // the catalogue's handbook density of the alloy
    Element, // one component: the element's own density
    VolumeAdditive, // 1 / sum(f_i / rho_i) over the rows used
    // The catalogue's figure of an alloy with no published density: the
    // volume-additive mean worked out with element densities the table lacks.
    Computed,
};

// The word the window and the command line show for a density source:
// "handbook", "element", "volume-additive", "computed, volume-additive".
std::string_view DensitySourceWord(DensitySource source);

// A density and where it comes from.
struct SourcedDensity
{
    double value = 0; // g/cm^3
    DensitySource source = DensitySource::VolumeAdditive;
};

struct G102Results
{
    double equivalentWeight = 0; // g
    double density = 0; // g/cm^3
    double ratio = 0; // cm^3
    DensitySource densitySource = DensitySource::VolumeAdditive;
    std::string equivalentWeightText; // " 31.7700"
    std::string densityText;
    std::string ratioText;
};

struct G102Calculation
{
    std::vector<int> leftOutRows; // minor non-metal rows, 0-based
    std::optional<G102Results> results; // empty when `fault` is set
    std::optional<RowFault> fault;
};

// The electron-equivalent mean of ASTM G102: EW = 1 / sum(n_i f_i / W_i), with
// f_i = p_i / T the mass fraction of the actual total T (a left-out row keeps
// its mass but carries no charge). The density is the catalogue's figure
// `alloyDensity`, with its source, when given, otherwise the volume-additive mean
// over the rows used, sum(f_i) / sum(f_i / rho_i). The ratio is EW / density.
G102Calculation CalculateG102(
    std::span<const G102Row> rows, std::optional<SourcedDensity> alloyDensity = std::nullopt);

// The rows left out, for the window: "Left out of the G102 figures (minor
// non-metals): row 2 (C 3.4 %), row 3 (Si 2.5 %)."; empty when none was.
std::string LeftOutRowsText(std::span<const G102Row> rows, std::span<const int> leftOut);

// The line shown when the classic and the G102 equivalent weights differ by more
// than 5 % of the G102 value; empty otherwise.
std::string MethodDifferenceText(double classicEquivalentWeight, double g102EquivalentWeight);

} // namespace corrolab
