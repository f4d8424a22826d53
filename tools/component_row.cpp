#include "tools/component_row.h"

#include "base/lenient_number.h"
#include "base/number_format.h"
#include "tools/composition.h"

namespace corrolab {

ElementRow FillElementRow(const ElementTable& table, std::string_view symbol)
{
    const int z = table.FindSymbol(symbol);
    ElementRow row {table.Field(z, ElementTable::kName),
        table.Field(z, ElementTable::kAtomicNumber), table.Field(z, ElementTable::kAtomicWeight),
        table.Field(z, ElementTable::kValence), {}};
    if (z != 0)
        row.density = PlainText(LenientValueOrZero(table.Field(z, ElementTable::kDensity)) / 1000);
    return row;
}

std::optional<std::vector<ComponentTexts>> CompositionRows(
    const ElementTable& table, std::string_view composition)
{
    const std::vector<Component> components = SplitComposition(composition);
    if (components.size() > static_cast<size_t>(kGridRows))
        return std::nullopt;
    std::vector<ComponentTexts> rows;
    for (const Component& component : components) {
        const ElementRow element = FillElementRow(table, component.symbol);
        rows.push_back(
            {component.percentage, element.atomicWeight, element.valence, element.density});
    }
    return rows;
}

} // namespace corrolab
