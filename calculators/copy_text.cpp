#include "calculators/copy_text.h"

namespace corrolab {

namespace {

std::string Cell(std::string text)
{
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

} // namespace

std::string TabSeparated(const std::vector<CopyRow>& rows)
{
    std::string text;
    for (const CopyRow& row : rows)
        text += Cell(row.label) + '\t' + Cell(row.value) + '\t' + Cell(row.unit) + '\n';
    return text;
}

} // namespace corrolab
