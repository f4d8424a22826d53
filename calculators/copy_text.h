#pragma once

#include <string>
#include <vector>

namespace corrolab {

// One line of a calculator page as it is copied: what, the value, its unit.
struct CopyRow
{
    std::string label;
    std::string value;
    std::string unit;
};

// The rows as tab-separated lines a spreadsheet accepts ("Area\t28.5\tcm^2\n");
// tabs and line breaks inside a cell become blanks so that every row stays one line.
std::string TabSeparated(const std::vector<CopyRow>& rows);

} // namespace corrolab
