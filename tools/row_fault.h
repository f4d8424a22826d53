#pragma once

#include <string>

namespace corrolab {

// Why a material could not be calculated: the first grid row whose value stops
// the calculation, or the total of the percentages (row -1).
struct RowFault
{
    int row = -1; // 0-based grid row; -1 for the total
    std::string symbol; // the row's element symbol
    std::string field; // "valence", "G102 valence", "density", "atomic weight", "percentage"
    std::string value; // the text as the row holds it
};

// The reason alone: "row 2 (P) has valence "--"", "the percentages total 0".
std::string RowFaultText(const RowFault& fault);

// One plain sentence for the user: "Nothing was handed back: row 2 (P) has
// valence "--"." or "Nothing was handed back: the percentages total 0." A total
// fault without a value stands for a sum too large to hold.
std::string NothingHandedBackText(const RowFault& fault);

} // namespace corrolab
