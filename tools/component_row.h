#pragma once

#include "tools/element_table.h"
#include "tools/equivalent_weight.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// The element columns of a grid row, as a symbol pick fills them. An unknown
// symbol fills the row from the table's empty slot: every column empty.
struct ElementRow
{
    std::string name;
    std::string atomicNumber;
    std::string atomicWeight;
    std::string valence;
    std::string density; // g/cm^3, "7.86" for iron's 7860 kg/m^3
};
ElementRow FillElementRow(const ElementTable& table, std::string_view symbol);

// The grid rows of a composition string as the tools window loads them; empty
// when it has more components than the grid's nine rows.
inline constexpr int kGridRows = 9;
std::optional<std::vector<ComponentTexts>> CompositionRows(
    const ElementTable& table, std::string_view composition);

} // namespace corrolab
