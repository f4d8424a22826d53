#pragma once

#include <optional>
#include <string_view>

namespace corrolab {

// The periodic table's places: seven periods in eighteen groups, then the
// lanthanides and the actinides in two rows of their own below (La to Lu and
// Ac to Lr in columns 3 to 17). Rows and columns count from 1.
inline constexpr int kTableRows = 9;
inline constexpr int kTableColumns = 18;
inline constexpr int kLanthanideRow = 8;
inline constexpr int kActinideRow = 9;
// Elements 1 to 118 have a place; the element records hold fewer.
inline constexpr int kLastPlacedElement = 118;

struct TableCell
{
    int row = 0;
    int column = 0;
    friend bool operator==(const TableCell&, const TableCell&) = default;
};

// The place of element z; empty for a number outside 1..118.
std::optional<TableCell> CellOf(int z);

// The element at a place, or 0 for a place that holds none.
int ElementAt(int row, int column);

// The places in group 3 of periods 6 and 7 that stand for the rows below: the
// first element of the series (57 or 89), or 0 for any other place.
int SeriesStartAt(int row, int column);

enum class TableStep { Left, Right, Up, Down };

// The element reached from element z by one step across the table, passing
// over places without an element and elements above `lastHeld`; z itself
// when there is none that way.
int StepFrom(int z, TableStep step, int lastHeld);

enum class ElementFamily {
    AlkaliMetal,
    AlkalineEarthMetal,
    TransitionMetal,
    PostTransitionMetal,
    Metalloid,
    Nonmetal,
    Halogen,
    NobleGas,
    Lanthanide,
    Actinide,
};
inline constexpr int kFamilyCount = 10;

// The family of element z (1..118).
ElementFamily FamilyOf(int z);

// "Alkali metal", "Noble gas", ...
std::string_view FamilyName(ElementFamily family);

} // namespace corrolab
