#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// One line of a report or of copied figures: what, the value, its unit.
struct ReportRow
{
    std::string label;
    std::string value;
    std::string unit;
};

// A heading over its rows; or over a table with column headings, when
// `columns` is not empty (each line of `table` one cell per column).
struct ReportSection
{
    std::string heading;
    std::vector<ReportRow> rows;
    std::vector<std::string> columns = {};
    std::vector<std::vector<std::string>> table = {};
};

// What an engineer files: a window's inputs, material and results.
struct Report
{
    std::string title;
    std::vector<ReportSection> sections;
};

// The report as one HTML page for printing: the title, each section as a
// heading over a table of its rows, and `footer` (the program, its version and
// the date) at the end. Every text is escaped, so a name typed by the user
// cannot add markup.
std::string ReportHtml(const Report& report, std::string_view footer);

} // namespace corrolab
