#include "tools/g102_valence.h"

#include <array>
#include <utility>

namespace corrolab {

namespace {

// Valences of the metals as they go into solution in aqueous corrosion: those
// ASTM G102 (Table X2.1) lists for its alloying elements (Al 3, Cr 3, Cu 2, Fe 2,
// Mg 2, Mn 2, Mo 3, Nb 5, Ni 2, Pb 2, Si 4, Sn 2, Ti 4, V 5, Zn 2, Zr 4, ...)
// and, for the other metals of the alloy catalogue, the lowest common oxidation
// state of their dissolution.
constexpr std::array<std::pair<std::string_view, std::string_view>, 36> kValences {{
    {"Ag", "1"},
    {"Al", "3"},
    {"Au", "3"},
    {"Be", "2"},
    {"Bi", "3"},
    {"Ca", "2"},
    {"Cd", "2"},
    {"Ce", "3"},
    {"Co", "2"},
    {"Cr", "3"},
    {"Cu", "2"},
    {"Fe", "2"},
    {"Hf", "4"},
    {"Hg", "2"},
    {"In", "3"},
    {"Ir", "3"},
    {"La", "3"},
    {"Mg", "2"},
    {"Mn", "2"},
    {"Mo", "3"},
    {"Nb", "5"},
    {"Nd", "3"},
    {"Ni", "2"},
    {"Pb", "2"},
    {"Pd", "2"},
    {"Pr", "3"},
    {"Pt", "2"},
    {"Sb", "3"},
    {"Si", "4"},
    {"Sn", "2"},
    {"Ta", "5"},
    {"Ti", "4"},
    {"V", "5"},
    {"W", "6"},
    {"Zn", "2"},
    {"Zr", "4"},
}};

} // namespace

std::string G102DefaultValence(const ElementTable& table, std::string_view symbol)
{
    for (const auto& [element, valence] : kValences)
        if (element == symbol)
            return std::string(valence);
    const int z = table.FindSymbol(symbol);
    return z == 0 ? std::string() : table.Field(z, ElementTable::kValence);
}

} // namespace corrolab
