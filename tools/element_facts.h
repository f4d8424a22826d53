#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// Every field of an element's stored record, as the periodic table shows it.
// Unlike the tools window's loaded table this reads all 22 fields of all the
// stored records, the last field ("uses") and elements above 100 included.
inline constexpr int kRecordFields = 22;

struct RecordField
{
    std::string_view label; // "Density"
    std::string_view unit; // "kg/m^3"; empty for a plain number or a text
    bool numeric; // a number a heat map can show
};

// The fields in record order: entry k-1 describes field k.
std::span<const RecordField> RecordFieldList();

// The atomic number of the last element the records hold (109).
int LastRecordedElement();

// The 22 field texts of element z's record; empty for an element without one.
std::vector<std::string> RecordOf(int z);

// Field k (1..22) of element z read as a number; empty when the record has no
// number there ("--", an empty field, no record).
std::optional<double> NumericField(int z, int k);

// One line of the element's description: "Density" and "7860 kg/m^3", with
// "not known" for "--" or an empty field.
struct FactLine
{
    std::string label;
    std::string value;
};
std::vector<FactLine> ElementFacts(int z);

// The text of field k for a table cell: the value alone, "" when not known.
std::string CellValue(int z, int k);

} // namespace corrolab
