#include "tools/element_facts.h"

#include "base/lenient_number.h"
#include "tools/element_records.h"

#include <array>

namespace corrolab {

namespace {

constexpr std::array<RecordField, kRecordFields> kFields {{
    {"Name", "", false},
    {"Symbol", "", false},
    {"Atomic number", "", true},
    {"Atomic weight", "g/mol", true},
    {"Atomic radius", "angstrom", true},
    {"Boiling point", "deg C", true},
    {"Melting point", "deg C", true},
    {"Density", "kg/m^3", true},
    {"Heat of vaporisation", "kJ/mol", true},
    {"Heat of fusion", "kJ/mol", true},
    {"Electrical conductivity", "10^6/(ohm cm)", true},
    {"Thermal conductivity", "W/(m K)", true},
    {"Specific heat", "J/(g K)", true},
    {"First ionisation energy", "eV", true},
    {"Electronegativity", "Pauling", true},
    {"Valence", "", true},
    {"Equivalent weight", "g", true},
    {"Crystal structure", "", false},
    {"Discoverer", "", false},
    {"Year of discovery", "", true},
    {"Electron configuration", "", false},
    {"Uses", "", false},
}};

bool Known(std::string_view text)
{
    return !text.empty() && text != "--";
}

} // namespace

std::span<const RecordField> RecordFieldList()
{
    return kFields;
}

int LastRecordedElement()
{
    return static_cast<int>(ElementRecords().size());
}

std::vector<std::string> RecordOf(int z)
{
    if (z < 1 || z > LastRecordedElement())
        return {};
    const std::string_view record = ElementRecords()[static_cast<size_t>(z - 1)];
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t comma = record.find(',', start);
        fields.emplace_back(record.substr(start, comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    fields.resize(kRecordFields);
    return fields;
}

std::optional<double> NumericField(int z, int k)
{
    if (k < 1 || k > kRecordFields || !kFields[static_cast<size_t>(k - 1)].numeric)
        return std::nullopt;
    const std::vector<std::string> record = RecordOf(z);
    if (record.empty() || !Known(record[static_cast<size_t>(k - 1)]))
        return std::nullopt;
    return LenientValue(record[static_cast<size_t>(k - 1)]);
}

std::vector<FactLine> ElementFacts(int z)
{
    const std::vector<std::string> record = RecordOf(z);
    std::vector<FactLine> lines;
    for (size_t k = 0; k < record.size(); ++k) {
        const RecordField& field = kFields[k];
        std::string value = "not known";
        if (Known(record[k])) {
            value = record[k];
            if (!field.unit.empty())
                value += " " + std::string(field.unit);
        }
        lines.push_back({std::string(field.label), value});
    }
    return lines;
}

std::string CellValue(int z, int k)
{
    const std::vector<std::string> record = RecordOf(z);
    if (record.empty() || k < 1 || k > kRecordFields)
        return "";
    const std::string& text = record[static_cast<size_t>(k - 1)];
    return Known(text) ? text : "";
}

} // namespace corrolab
