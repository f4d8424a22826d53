#include "tools/row_fault.h"

namespace corrolab {

std::string NothingHandedBackText(const RowFault& fault)
{
    const std::string lead = "Nothing was handed back: ";
    if (fault.row < 0 && fault.value.empty())
        return lead + "a sum is too large to hold.";
    if (fault.row < 0)
        return lead + "the percentages total " + fault.value + ".";
    const std::string value = fault.value.empty() ? "no value" : "\"" + fault.value + "\"";
    return lead + "row " + std::to_string(fault.row + 1) + " ("
        + (fault.symbol.empty() ? "no element" : fault.symbol) + ") has " + fault.field + " "
        + value + ".";
}

} // namespace corrolab
