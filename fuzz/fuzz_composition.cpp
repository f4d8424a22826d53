// Fuzzes the composition split and the equivalent-weight calculation.
//
// Input layout: bit 0 of byte 0 picks how the grid is filled, and the rest of
// byte 0 its row count (1..9); the remaining bytes are a text. The text is always
// split as a composition string. With bit 0 clear, the grid's rows are that
// composition's components with their element's atomic weight, valence and
// density from the element table, as the tools window fills them; with bit 0 set,
// the text is cut at line breaks into the grid's cells, four to a row
// (percentage, atomic weight, valence, density).

#include "base/lenient_number.h"
#include "base/number_format.h"
#include "fuzz/fuzz_check.h"
#include "tests/support/classic_symbol_length.h"
#include "tools/composition.h"
#include "tools/element_table.h"
#include "tools/equivalent_weight.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab::fuzz {
namespace {

constexpr size_t kMaxRows = 9;
// Numbers this far from 0 and from overflow keep every sum of a grid finite and
// normal; grids made only of them must always be calculated.
constexpr double kOrdinaryLow = 1e-60;
constexpr double kOrdinaryHigh = 1e60;

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool SameDouble(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

std::vector<Component> CheckSplit(std::string_view composition)
{
    const std::vector<Component> components = SplitComposition(composition);
    FUZZ_CHECK(!components.empty());
    FUZZ_CHECK(components.size() <= static_cast<size_t>(kMaxCompositionTokens));
    size_t start = 0;
    bool ended = false;
    for (const Component& component : components) {
        FUZZ_CHECK(!ended);
        const size_t space = composition.find(' ', start);
        const size_t end = space == std::string_view::npos ? composition.size() : space;
        const std::string_view token = composition.substr(start, end - start);
        FUZZ_CHECK(component.percentage + component.symbol == token);
        FUZZ_CHECK(std::all_of(component.symbol.begin(), component.symbol.end(), IsLetter));
        // The symbol is the whole trailing run of letters.
        FUZZ_CHECK(component.percentage.empty() || !IsLetter(component.percentage.back()));
        const size_t classic = ClassicSymbolLength(token);
        FUZZ_CHECK(classic == 1 || classic == 2);
        ended = space == std::string_view::npos;
        start = end + 1;
    }
    // Only the 25-token limit leaves tokens unsplit.
    FUZZ_CHECK(ended || components.size() == static_cast<size_t>(kMaxCompositionTokens));
    return components;
}

std::vector<ComponentTexts> GridFromComponents(
    const std::vector<Component>& components, size_t rows)
{
    static const ElementTable elements;
    std::vector<ComponentTexts> grid;
    for (size_t i = 0; i < rows && i < components.size(); ++i) {
        const int z = elements.FindSymbol(components[i].symbol);
        // The table gives densities in kg/m^3, the grid shows g/cm^3.
        const double density = LenientValueOrZero(elements.Field(z, ElementTable::kDensity));
        grid.push_back({components[i].percentage, elements.Field(z, ElementTable::kAtomicWeight),
            elements.Field(z, ElementTable::kValence), PlainText(density / 1000)});
    }
    return grid;
}

std::vector<ComponentTexts> GridFromCells(std::string_view text, size_t rows)
{
    std::vector<std::string> cells;
    size_t start = 0;
    while (cells.size() < 4 * rows && start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        cells.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    cells.resize(4 * rows);
    std::vector<ComponentTexts> grid;
    for (size_t i = 0; i < rows; ++i)
        grid.push_back({cells[4 * i], cells[4 * i + 1], cells[4 * i + 2], cells[4 * i + 3]});
    return grid;
}

bool Ordinary(double x)
{
    return x == 0 || (std::fabs(x) >= kOrdinaryLow && std::fabs(x) <= kOrdinaryHigh);
}

void CheckShown(const std::string& text, double value)
{
    FUZZ_CHECK(!text.empty() && !ShowsNonFinite(text));
    double shown = value;
    FUZZ_CHECK(text == FormatFixed(shown, 1, 4));
}

// x lies within [low, high], allowing for the rounding of a weighted mean.
bool WithinMean(double x, double low, double high)
{
    const double slack = 1e-12 * std::max(std::fabs(low), std::fabs(high));
    return x >= low - slack && x <= high + slack;
}

void CheckCalculation(const std::vector<ComponentTexts>& grid)
{
    const MaterialCalculation calculation = CalculateMaterial(grid);

    double total = 0;
    bool readable = true; // every cell reads as a number
    bool ordinary = true; // and every one is ordinary
    bool nonNegative = true;
    bool anyNegative = false; // a cell, read leniently, below 0
    bool zeroDivisor = false;
    double lowWeight = INFINITY, highWeight = -INFINITY;
    double lowDensity = INFINITY, highDensity = -INFINITY;
    std::optional<int> valenceMarker;
    std::optional<int> densityMarker;
    for (size_t i = 0; i < grid.size(); ++i) {
        const ComponentTexts& row = grid[i];
        const std::optional<double> p = LenientValue(row.percentage);
        const std::optional<double> a = LenientValue(row.atomicWeight);
        const std::optional<double> n = LenientValue(row.valence);
        const std::optional<double> d = LenientValue(row.density);
        total += p.value_or(0);
        for (const std::string* text :
            {&row.percentage, &row.atomicWeight, &row.valence, &row.density})
            anyNegative = anyNegative || LenientValueOrZero(*text) < 0;
        if (row.valence == "--" && !valenceMarker)
            valenceMarker = static_cast<int>(i);
        if (LenientValueOrZero(row.density) == 0 && !densityMarker)
            densityMarker = static_cast<int>(i);
        if (!p || !a || !n || !d) {
            readable = false;
            continue;
        }
        ordinary = ordinary && Ordinary(*p) && Ordinary(*a) && Ordinary(*n) && Ordinary(*d);
        nonNegative = nonNegative && *p >= 0 && *a >= 0 && *n >= 0 && *d >= 0;
        zeroDivisor = zeroDivisor || *n == 0 || *n * *d == 0;
        lowWeight = std::min(lowWeight, *a / *n);
        highWeight = std::max(highWeight, *a / *n);
        lowDensity = std::min(lowDensity, *d);
        highDensity = std::max(highDensity, *d);
    }

    FUZZ_CHECK(SameDouble(calculation.total, total));
    // The marker compares the total as it is shown.
    FUZZ_CHECK(calculation.totalMarker == (PlainText(calculation.total) != "100"));
    FUZZ_CHECK(calculation.valenceMarkerRow == valenceMarker);
    FUZZ_CHECK(calculation.densityMarkerRow == densityMarker);

    if (anyNegative) {
        // No material has a negative share, weight, valence or density.
        FUZZ_CHECK(!calculation.results && calculation.checkInputs);
        return;
    }
    const bool calculable = readable && std::isfinite(total) && total != 0 && !zeroDivisor;
    if (!calculation.results) {
        FUZZ_CHECK(calculation.checkInputs == (calculation.total != 0));
        // Only an overflowing sum abandons a grid of ordinary numbers.
        FUZZ_CHECK(!(calculable && ordinary));
        return;
    }
    FUZZ_CHECK(calculable);
    FUZZ_CHECK(!calculation.checkInputs);
    const MaterialResults& results = *calculation.results;
    FUZZ_CHECK(std::isfinite(results.equivalentWeight));
    FUZZ_CHECK(std::isfinite(results.density));
    FUZZ_CHECK(std::isfinite(results.ratio));
    CheckShown(results.equivalentWeightText, results.equivalentWeight);
    CheckShown(results.densityText, results.density);
    CheckShown(results.ratioText, results.ratio);
    FUZZ_CHECK(results.totalText == PlainText(calculation.total));
    FUZZ_CHECK(!results.totalText.empty() && !ShowsNonFinite(results.totalText));

    if (grid.size() == 1) {
        // One row is its own mean.
        const double a = *LenientValue(grid[0].atomicWeight);
        const double n = *LenientValue(grid[0].valence);
        const double d = *LenientValue(grid[0].density);
        FUZZ_CHECK(results.equivalentWeight == a / n);
        FUZZ_CHECK(results.density == d);
    }
    if (ordinary && nonNegative) {
        // Mass-fraction means of non-negative fractions stay within their terms.
        FUZZ_CHECK(WithinMean(results.equivalentWeight, lowWeight, highWeight));
        FUZZ_CHECK(WithinMean(results.density, lowDensity, highDensity));
        FUZZ_CHECK(results.ratio >= 0);
    }
}

} // namespace
} // namespace corrolab::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace corrolab::fuzz;
    if (size == 0)
        return 0;
    const bool cells = (data[0] & 1) != 0;
    const size_t rows = 1 + (data[0] >> 1) % kMaxRows;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::vector<corrolab::Component> components = CheckSplit(text);
    const std::vector<corrolab::ComponentTexts> grid
        = cells ? GridFromCells(text, rows) : GridFromComponents(components, rows);
    CheckCalculation(grid);
    return 0;
}
