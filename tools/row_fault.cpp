#include "tools/row_fault.h"

namespace corrolab {

std::string RowFaultText(const RowFault& fault)
{
    if (fault.row < 0 && fault.value.empty())
        return "a sum is too large to hold";
    if (fault.row < 0)
        return "the percentages total " + fault.value;
    const std::string value = fault.value.empty() ? "no value" : "\"" + fault.value + "\"";
    return "row " + std::to_string(fault.row + 1) + " ("
        + (fault.symbol.empty() ? "no element" : fault.symbol) + ") has " + fault.field + " "
        + value;
}

std::string NothingHandedBackText(const RowFault& fault)
{
    return "Nothing was handed back: " + RowFaultText(fault) + ".";
}

} // namespace corrolab
