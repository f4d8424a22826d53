#pragma once

#include "base/report.h"

#include <string>
#include <vector>

namespace corrolab {

// One line of a calculator page as it is copied or printed: what, the value,
// its unit.
using CopyRow = ReportRow;

// The rows as tab-separated lines a spreadsheet accepts ("Area\t28.5\tcm^2\n");
// tabs and line breaks inside a cell become blanks so that every row stays one line.
std::string TabSeparated(const std::vector<CopyRow>& rows);

} // namespace corrolab
