#include "tools/g102_calculation.h"

#include "base/lenient_number.h"
#include "base/number_format.h"
#include "tools/figure_texts.h"
#include "tools/g102_valence.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace corrolab {

namespace {

constexpr std::array<std::string_view, 6> kNonMetals {"B", "C", "N", "P", "S", "Si"};

bool IsMinorNonMetal(const G102Row& row, double percentage, double total)
{
    return std::ranges::find(kNonMetals, row.symbol) != kNonMetals.end()
        && percentage / total * 100 < kMinorNonMetalShare;
}

// A value that must be a finite number above 0.
std::optional<double> Positive(std::string_view text)
{
    const auto value = LenientValue(text);
    if (!value || !std::isfinite(*value) || *value <= 0)
        return std::nullopt;
    return value;
}

RowFault Fault(int row, const G102Row& g102Row, std::string field, const std::string& value)
{
    return {row, g102Row.symbol, std::move(field), value};
}

struct Sums
{
    double charge = 0; // sum of n_i f_i / W_i
    double fraction = 0; // sum of f_i over the rows used for the density
    double volume = 0; // sum of f_i / rho_i
};

} // namespace

G102Row MakeG102Row(const ElementTable& table, std::string_view symbol, std::string percentage)
{
    const int z = table.FindSymbol(symbol);
    G102Row row {std::string(symbol), std::move(percentage),
        table.Field(z, ElementTable::kAtomicWeight), G102DefaultValence(table, symbol), {}};
    if (z != 0)
        row.density = PlainText(LenientValueOrZero(table.Field(z, ElementTable::kDensity)) / 1000);
    return row;
}

std::vector<G102Row> G102RowsOf(const ElementTable& table, std::span<const Component> components)
{
    std::vector<G102Row> rows;
    for (const Component& component : components)
        rows.push_back(MakeG102Row(table, component.symbol, component.percentage));
    return rows;
}

std::string_view DensitySourceWord(DensitySource source)
{
    switch (source) {
    case DensitySource::Handbook:
        return "handbook";
    case DensitySource::Element:
        return "element";
    case DensitySource::Computed:
        return "computed, volume-additive";
    case DensitySource::VolumeAdditive:
        break;
    }
    return "volume-additive";
}

G102Calculation CalculateG102(
    std::span<const G102Row> rows, std::optional<SourcedDensity> alloyDensity)
{
    G102Calculation calculation;
    std::vector<double> percentages;
    double total = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto p = LenientValue(rows[i].percentage);
        if (!p || *p < 0) {
            calculation.fault
                = Fault(static_cast<int>(i), rows[i], "percentage", rows[i].percentage);
            return calculation;
        }
        percentages.push_back(*p);
        total += *p;
    }
    if (!(total > 0) || !std::isfinite(total)) {
        calculation.fault = RowFault {-1, {}, "total", PlainText(total)};
        return calculation;
    }

    const bool useHandbook
        = alloyDensity && std::isfinite(alloyDensity->value) && alloyDensity->value > 0;
    Sums sums;
    for (size_t i = 0; i < rows.size(); ++i) {
        const G102Row& row = rows[i];
        const int index = static_cast<int>(i);
        if (IsMinorNonMetal(row, percentages[i], total)) {
            calculation.leftOutRows.push_back(index);
            continue;
        }
        if (percentages[i] == 0)
            continue; // a trace listed without a share adds nothing
        const auto w = Positive(row.atomicWeight);
        if (!w) {
            calculation.fault = Fault(index, row, "atomic weight", row.atomicWeight);
            return calculation;
        }
        const auto n = Positive(row.valence);
        if (!n) {
            calculation.fault = Fault(index, row, "G102 valence", row.valence);
            return calculation;
        }
        const double f = percentages[i] / total;
        sums.charge += *n * f / *w;
        if (useHandbook)
            continue;
        const auto rho = Positive(row.density);
        if (!rho) {
            calculation.fault = Fault(index, row, "density", row.density);
            return calculation;
        }
        sums.fraction += f;
        sums.volume += f / *rho;
    }
    if (!(sums.charge > 0) || (!useHandbook && !(sums.volume > 0))) {
        calculation.fault = RowFault {-1, {}, "total", "0"};
        return calculation;
    }

    G102Results results;
    results.equivalentWeight = 1 / sums.charge;
    if (useHandbook) {
        results.density = alloyDensity->value;
        results.densitySource = alloyDensity->source;
    } else {
        results.density = sums.fraction / sums.volume;
        results.densitySource
            = rows.size() == 1 ? DensitySource::Element : DensitySource::VolumeAdditive;
    }
    results.ratio = results.equivalentWeight / results.density;
    FillFigureTexts(results);
    calculation.results = results;
    return calculation;
}

std::string LeftOutRowsText(std::span<const G102Row> rows, std::span<const int> leftOut)
{
    std::string list;
    for (const int row : leftOut) {
        if (row < 0 || static_cast<size_t>(row) >= rows.size())
            continue;
        const G102Row& left = rows[static_cast<size_t>(row)];
        list += (list.empty() ? "" : ", ") + std::string("row ") + std::to_string(row + 1) + " ("
            + left.symbol + " " + left.percentage + " %)";
    }
    return list.empty() ? list : "Left out of the G102 figures (minor non-metals): " + list + ".";
}

std::string MethodDifferenceText(double classicEquivalentWeight, double g102EquivalentWeight)
{
    if (!(g102EquivalentWeight > 0) || !std::isfinite(classicEquivalentWeight))
        return {};
    const double percent
        = (classicEquivalentWeight - g102EquivalentWeight) / g102EquivalentWeight * 100;
    if (std::fabs(percent) <= 5)
        return {};
    const double shown = std::round(std::fabs(percent));
    return "The classic equivalent weight is " + PlainText(shown) + " % "
        + (percent > 0 ? "above" : "below") + " the ASTM G102 value (the standard method).";
}

} // namespace corrolab
