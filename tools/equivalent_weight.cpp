#include "tools/equivalent_weight.h"

#include "base/lenient_number.h"
#include "base/number_format.h"

#include <cmath>

namespace corrolab {

namespace {

struct Sums
{
    double equivalentWeight = 0;
    double density = 0;
    double ratio = 0;
};

bool Finite(double a, double b, double c)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

// The three sums, or std::nullopt at the first arithmetic fault.
std::optional<Sums> Accumulate(std::span<const ComponentTexts> rows, double total)
{
    Sums sums;
    for (const ComponentTexts& row : rows) {
        const auto n = LenientValue(row.valence);
        const auto a = LenientValue(row.atomicWeight);
        const auto p = LenientValue(row.percentage);
        const auto d = LenientValue(row.density);
        if (!n || !a || !p || !d)
            return std::nullopt;
        if (total == 0 || *n == 0 || *n * *d == 0)
            return std::nullopt;
        sums.equivalentWeight += (*p / total) * *a / *n;
        sums.density += (*p / total) * *d;
        sums.ratio += (*p / 100) * *a / (*n * *d);
        if (!Finite(sums.equivalentWeight, sums.density, sums.ratio))
            return std::nullopt;
    }
    return sums;
}

void FindMarkers(std::span<const ComponentTexts> rows, MaterialCalculation& calculation)
{
    for (size_t i = 0; i < rows.size() && !calculation.valenceMarkerRow; ++i)
        if (rows[i].valence == "--")
            calculation.valenceMarkerRow = static_cast<int>(i);
    for (size_t i = 0; i < rows.size() && !calculation.densityMarkerRow; ++i)
        if (LenientValueOrZero(rows[i].density) == 0)
            calculation.densityMarkerRow = static_cast<int>(i);
}

} // namespace

namespace {

// A negative percentage, atomic weight, valence or density: no material has one.
bool HasNegative(const ComponentTexts& row)
{
    for (const std::string* text : {&row.percentage, &row.atomicWeight, &row.valence, &row.density})
        if (LenientValueOrZero(*text) < 0)
            return true;
    return false;
}

} // namespace

MaterialCalculation CalculateMaterial(std::span<const ComponentTexts> rows)
{
    MaterialCalculation calculation;
    bool readable = true;
    for (const ComponentTexts& row : rows) {
        const auto p = LenientValue(row.percentage);
        readable = readable && p.has_value();
        calculation.total += p.value_or(0);
    }
    // Compared as the total is shown: typed decimals such as 90 + 5.6 + 2.5 + 1.6 + 0.3
    // add up to 99.99999999999999 in binary, which shows, and is, 100.
    calculation.totalMarker = PlainText(calculation.total) != "100";
    FindMarkers(rows, calculation);

    // A negative input is refused like any other that cannot be calculated, so
    // that no negative figure reaches the main window or the command line.
    for (const ComponentTexts& row : rows)
        if (HasNegative(row)) {
            calculation.checkInputs = true;
            return calculation;
        }
    const std::optional<Sums> sums = readable && std::isfinite(calculation.total)
        ? Accumulate(rows, calculation.total)
        : std::nullopt;
    if (!sums) {
        calculation.checkInputs = calculation.total != 0;
        return calculation;
    }
    MaterialResults results;
    results.equivalentWeight = sums->equivalentWeight;
    results.density = sums->density;
    results.ratio = sums->ratio;
    results.totalText = PlainText(calculation.total);
    double ew = sums->equivalentWeight;
    double density = sums->density;
    double ratio = sums->ratio;
    results.equivalentWeightText = FormatFixed(ew, 1, 4);
    results.densityText = FormatFixed(density, 1, 4);
    results.ratioText = FormatFixed(ratio, 1, 4);
    calculation.results = results;
    return calculation;
}

} // namespace corrolab
