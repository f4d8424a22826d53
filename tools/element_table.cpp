#include "tools/element_table.h"

#include "tools/element_records.h"

#include <algorithm>

namespace corrolab {

ElementTable::ElementTable()
{
    const auto records = ElementRecords();
    for (int z = 1; z <= kLastElement && z <= static_cast<int>(records.size()); ++z) {
        const std::string_view record = records[static_cast<size_t>(z - 1)];
        size_t start = 0;
        // A field is stored only when a comma follows it, so the last field of
        // a record is never loaded.
        for (int k = 1; k <= kLastField; ++k) {
            const size_t comma = record.find(',', start);
            if (comma == std::string_view::npos)
                break;
            fields_[static_cast<size_t>(z)][static_cast<size_t>(k)]
                = record.substr(start, comma - start);
            start = comma + 1;
        }
    }
}

const std::string& ElementTable::Field(int z, int k) const
{
    static const std::string empty;
    if (z < 0 || z > kLastElement || k < 0 || k > kLastField)
        return empty;
    return fields_.at(static_cast<size_t>(z)).at(static_cast<size_t>(k));
}

int ElementTable::FindSymbol(std::string_view symbol) const
{
    for (int z = 1; z <= kLastElement; ++z)
        if (Field(z, kSymbol) == symbol)
            return z;
    return 0;
}

std::vector<std::string> ElementTable::SortedSymbols() const
{
    std::vector<std::string> symbols;
    for (int z = 1; z <= kLastElement; ++z)
        symbols.push_back(Field(z, kSymbol));
    std::ranges::sort(symbols);
    return symbols;
}

} // namespace corrolab
