#pragma once

#include <optional>
#include <span>
#include <string>

namespace corrolab {

// The texts of one component row of the tools window's grid, as the window shows them.
struct ComponentTexts
{
    std::string percentage;
    std::string atomicWeight; // g/mol
    std::string valence; // "--" where the element has none
    std::string density; // g/cm^3
};

struct MaterialResults
{
    double equivalentWeight = 0; // g
    double density = 0; // g/cm^3
    double ratio = 0; // equivalent weight / density, cm^3
    std::string equivalentWeightText; // " 27.9235"
    std::string densityText; // " 7.8600"
    std::string ratioText; // " 3.5526"
    std::string totalText; // "100"
};

// What one Calculate of the tools window shows.
struct MaterialCalculation
{
    double total = 0; // sum of the percentages
    bool totalMarker = false; // the total as shown is not 100
    bool checkInputs = false; // the calculation could not be done
    std::optional<int> valenceMarkerRow; // first row whose valence is "--"
    std::optional<int> densityMarkerRow; // first row whose density reads 0
    // The results; empty when the calculation was abandoned (a total of 0, a
    // valence or density of 0, a number too large, or a sum that is not finite),
    // in which case the window keeps its previous results and total.
    std::optional<MaterialResults> results;
};

// Equivalent weight and density of a material from the rows in use: the
// mass-fraction means of a_i/n_i and of d_i with fractions of the actual total,
// and the ratio as the sum of (p_i/100) a_i/(n_i d_i). A negative percentage,
// atomic weight, valence or density is refused ("Check Inputs !", no results).
MaterialCalculation CalculateMaterial(std::span<const ComponentTexts> rows);

} // namespace corrolab
