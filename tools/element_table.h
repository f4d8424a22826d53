#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// The element table as the tools window uses it: field k (1..21) of the element
// with atomic number Z (1..100). Slot 0 is the empty element that a failed
// lookup reads; elements above 100 and the last field of each record are not
// loaded.
class ElementTable
{
public:
    static constexpr int kLastElement = 100;
    static constexpr int kLastField = 21;

    enum Field {
        kName = 1,
        kSymbol = 2,
        kAtomicNumber = 3,
        kAtomicWeight = 4,
        kDensity = 8, // kg/m^3
        kValence = 16,
    };

    ElementTable(); // loads the built-in records

    // The field's text; empty outside the loaded range.
    const std::string& Field(int z, int k) const;

    // The atomic number of the first element whose symbol is exactly `symbol`, or 0.
    int FindSymbol(std::string_view symbol) const;

    // The symbols of elements 1 to 100 in alphabetical order ("Ac", "Ag", "Al", ...).
    std::vector<std::string> SortedSymbols() const;

private:
    // Exactly the loaded range: a place outside it is never a stored cell.
    std::array<std::array<std::string, kLastField + 1>, kLastElement + 1> fields_ {};
};

} // namespace corrolab
