#pragma once

#include <array>
#include <string>

namespace corrolab {

// The main window's table of convertible units: category rows 0..40 by unit
// columns 0..100, each cell a unit name and its factor. Index 0 of both is not
// searched. A rate of 1 base unit equals factor(U) in unit U, so converting from
// A to B multiplies by factor(B) / factor(A); a factor of 0 marks a unit that
// cannot be a source.
class UnitTable
{
public:
    static constexpr int kLastUnit = 100;
    static constexpr int kLastCategory = 40;

    // Stores a cell; a place outside the table is refused (false) and nothing is written.
    bool Store(int unit, int category, std::string name, double factor);

    // The cell's name and factor; a place outside the table reads as empty and 0.
    const std::string& Name(int unit, int category) const;
    double Factor(int unit, int category) const;

    // Empties every cell of one category row.
    void ClearCategory(int category);

    // Units in the row of the last loaded category.
    int unitCount = 0;

private:
    static bool Inside(int unit, int category);

    std::array<std::array<std::string, kLastUnit + 1>, kLastCategory + 1> names_; // empty strings
    std::array<std::array<double, kLastUnit + 1>, kLastCategory + 1> factors_ {};
};

} // namespace corrolab
